// The Find devices dialog: a range of addresses, prefilled from the
// computer's own networks, searched for devices on the user's word, with
// the devices listed as they answer. Choosing one ends the dialog with its
// address; nothing is loaded. Devices ticked (or selected), and addresses
// pasted or read from a list, are the ones a send to many devices goes to,
// or a check of them against the pages' settings reads.
#pragma once

#include <QDialog>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class DeviceScan;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
struct FoundDevice;

class FindDevicesDlg : public QDialog {
    Q_OBJECT
public:
    explicit FindDevicesDlg(QWidget* parent, quint16 port, int timeoutMs);
    ~FindDevicesDlg() override;

    // The address of the device chosen, once the dialog was accepted.
    std::optional<uint32_t> chosen() const { return m_chosen; }
    bool searching() const;
    // The devices ticked, or when none is, those selected; in table order.
    std::vector<uint32_t> picked() const;
    // Adds rows for the addresses not listed yet, and ticks them all.
    void AddAddresses(const std::vector<uint32_t>& addresses);

    QLineEdit* m_rangeEdit;
    QPushButton* m_searchButton;
    QPushButton* m_cancelButton;
    QProgressBar* m_progress;
    QLabel* m_status;
    QTableWidget* m_table;
    QPushButton* m_tickAllButton;
    QPushButton* m_pasteButton;
    QPushButton* m_addFileButton;
    QPushButton* m_sendButton;
    QPushButton* m_checkButton;

signals:
    // The user asked to send the pages' settings to the picked devices.
    void sendRequested();
    // The user asked to check the picked devices against the pages' settings.
    void checkRequested();

public slots:
    // Checks the range and searches it; a malformed range is named in a
    // message and nothing is sent.
    void Search();
    void Stop();
    void reject() override;
    // Ticks every row (or unticks all when all are ticked).
    void TickAll();
    // The clipboard's addresses, one a line, as rows.
    void PasteAddresses();
    // A list file's addresses (the format of tolvoctl --hosts), as rows.
    void AddFromFile();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AddDevice(const FoundDevice& device);
    void ShowProgress(int done, int total);
    void SearchEnded();
    void Choose(int row);
    void SetStatus(const QString& text);
    void AddRow(uint32_t address, const QString& serial, const QString& name,
                const QString& firmware);
    int RowOf(uint32_t address) const;
    void TickSelected();
    // Adds the addresses of a list read, or names what is wrong with it.
    void TakeListed(bool parsed, const std::vector<uint32_t>& addresses, const QString& error);

    const quint16 m_port;
    const int m_timeoutMs;
    std::unique_ptr<DeviceScan> m_scan;
    std::optional<uint32_t> m_chosen;
};

// The ranges a search proposes: the one last searched, or the computer's
// own networks.
QString ProposedRange();
// The addresses of "RANGE, RANGE...", or nothing with error saying what is wrong.
std::optional<std::vector<uint32_t>> ParseRanges(const QString& text, QString& error);
