// Waiting for an action that runs on the event loop (e.g. an exchange with
// a device), on the one thread. The windows keep painting, but take no user
// input meanwhile, so that no second action can start inside the first. If
// the wait lasts longer than SHOW_DELAY_MS, a modal progress dialog shows
// what is being done, a count and Cancel (Escape cancels too).
#pragma once

#include <QEventLoop>
#include <QObject>
#include <QProgressDialog>
#include <QTimer>

class ProgressWait : public QObject {
    Q_OBJECT
public:
    static constexpr int SHOW_DELAY_MS = 500;

    // label says what is being done, e.g. "Reading the settings from 10.0.0.1".
    ProgressWait(QWidget* owner, const QString& label);
    ~ProgressWait() override;

    // Runs the event loop until Finish. The show delay counts from the first
    // Run; between runs (e.g. while a prompt asks to retry) the dialog is
    // hidden and the delay starts again.
    void Run();
    void Finish();
    // done of total, shown as "done of total" under the label.
    void SetProgress(int done, int total);
    // Says what is being done now; the count goes until the next progress.
    void SetLabel(const QString& label);

    bool dialogShown() const { return m_shownOnce; }
    QProgressDialog& dialog() { return m_dialog; }

signals:
    // The user pressed Cancel or Escape.
    void canceled();

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    void ShowDialog();
    bool InsideDialog(QObject* receiver) const;

    QString m_label;
    QProgressDialog m_dialog;
    QTimer m_showTimer;
    QEventLoop m_loop;
    bool m_running = false;
    bool m_shownOnce = false;
};
