// The devices' outcomes as a send to many devices goes on: a row per device
// filled as it moves on, the selected row's failure and transcript, one
// progress bar, the summary, Cancel, Retry of the failed, the report and
// the commissioning record.
// A check's results show the same, each device matching or differing, and
// say which settings were compared.
#pragma once

#include "SendRun.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

class SendResultsDlg : public QDialog {
    Q_OBJECT
public:
    enum Column {
        COLUMN_ADDRESS,
        COLUMN_NOW_AT,
        COLUMN_SERIAL,
        COLUMN_STATE,
        COLUMN_DEVICE,
        COLUMN_CHANGES
    };

    SendResultsDlg(QWidget* parent, std::unique_ptr<SendRun> run);
    ~SendResultsDlg() override;

    SendRun& run() { return *m_run; }
    // Writes the table as CSV to a file the user picks.
    void SaveReport();
    // Writes a commissioning record of the run's devices (RecordSaving.h).
    void SaveRecord();

    QProgressBar* m_progress;
    QLabel* m_summary;
    QLabel* m_compared; // a check's: the settings compared (hidden for a send)
    QTableWidget* m_table;
    QPlainTextEdit* m_details;
    QPushButton* m_cancelButton;
    QPushButton* m_retryButton;
    QPushButton* m_reportButton;
    QPushButton* m_recordButton;
    QPushButton* m_closeButton;

public slots:
    void reject() override;

private:
    void ShowRow(int row);
    void ShowDetails();
    void ShowProgress(int done, int total);
    // Starts no more devices, and says so until those under way have ended.
    void Cancel();
    void RunEnded();
    void Begin();

    std::unique_ptr<SendRun> m_run;
    bool m_cancelling = false;
};
