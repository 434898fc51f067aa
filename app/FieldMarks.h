// The marks on the page fields. A field is marked changed while its value
// differs from what the last load or save left there, and marked when it
// shows a device value otherwise than the device holds it. A changed field
// is drawn in bold on a yellow ground, a device value in italics on a blue
// one with the device's value as its tool tip; both marks are told to screen readers as
// the field's accessible description.
#pragma once

#include <QHash>
#include <QObject>
#include <QPalette>
#include <QString>

class QWidget;

class FieldMarks : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Follows the field's value from now on; what it shows now is its baseline.
    void Track(QWidget* field);
    // What the fields show now is what the device holds.
    void TakeBaseline();
    // Notes that field shows the device's value (escaped text) otherwise than
    // the device holds it; an empty text takes the note away.
    void SetDeviceValue(QWidget* field, const QString& deviceValue);
    void ClearDeviceValues();

    bool IsChanged(const QWidget* field) const;
    bool HasDeviceValue(const QWidget* field) const { return m_deviceValues.contains(field); }

private:
    struct Tracked {
        QString baseline;
        QPalette palette; // the field's own, for when the mark goes
        bool changedShown = false;
        bool deviceValueShown = false;
    };
    void Update(QWidget* field);

    QHash<const QWidget*, Tracked> m_tracked;
    QHash<const QWidget*, QString> m_deviceValues;
};
