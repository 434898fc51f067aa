// Asks for the technician's note before a commissioning record is saved: a
// few lines of free text (who, where, what was done), which the record
// carries as typed.
#pragma once

#include <QDialog>

class QPlainTextEdit;

class RecordNoteDlg : public QDialog {
    Q_OBJECT
public:
    explicit RecordNoteDlg(QWidget* parent);

    QString note() const;

    QPlainTextEdit* m_note;
};
