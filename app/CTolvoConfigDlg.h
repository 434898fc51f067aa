// The main window: the device address, the four settings pages on a tab
// control, and the Load and Save buttons.
#pragma once

#include "ConfigSession.h"
#include "DeviceLink.h"
#include "Dialog.h"
#include "Prompts.h"

#include <QIcon>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class FieldMarks;
class QAction;
class FindDevicesDlg;
class SendConfirmDlg;
class SendResultsDlg;
class SendRun;
class IpAddressCtrl;
class TabControl;
class TolvoInfo;
class TolvoPortRouting;
class TolvoPortSettings;
class TolvoWiFi;

constexpr uint32_t DEFAULT_DEVICE_ADDRESS = 0x0A000001; // 10.0.0.1

// Icon 128, the program icon, in all its sizes.
QIcon ProgramIcon();

class CTolvoConfigDlg : public Dialog {
    Q_OBJECT
public:
    enum {
        IDD = 102,
        IDC_DEVICE_ADDRESS = 1000,
        IDC_LOAD = 1002,
        IDC_SAVE = 1003,
        IDC_TAB = 1020,
        IDC_FIND_DEVICES = 1040,
        IDC_IMPORT = 1041,
        IDC_EXPORT = 1042,
    };

    CTolvoConfigDlg();

    void EnablePageControls(bool enable);
    void ShowSelectedPage();
    // A system-menu command: the About box for ABOUT_COMMAND_ID, else false
    // (the caller passes the command on to the default processing).
    bool OnSysCommand(unsigned id);

    void LoadConfiguration();
    void SaveConfiguration();
    // Opens the Find devices dialog (window-modal); a device chosen there
    // puts its address into the address field.
    void FindDevices();
    // The settings the pages show, checked as a save checks them, to a file.
    void ExportSettings();
    // The settings the pages show, checked as a save checks them, to the
    // devices picked in Find devices, after a confirmation; the results
    // window follows each device (non-blocking, window-modal).
    void SendToPickedDevices();
    // The same to the addresses given.
    void SendToDevices(const std::vector<uint32_t>& addresses);
    // The devices picked in Find devices read and compared with the pages'
    // settings (the shared ones, as a send with no own setting ticked sends
    // them), sending nothing; the results window says which match and
    // which differ, and in what (non-blocking, window-modal).
    void CheckPickedDevices();
    // The same for the addresses given.
    void CheckDevices(const std::vector<uint32_t>& addresses);
    // A file's settings, checked in full first, onto the pages as unsaved edits.
    void ImportSettings();
    // A commissioning record of the last Load or Save's device: a note asked
    // for, then the PDF and its JSON document written (RecordSaving.h). Its
    // item (context menu, Ctrl+R) is enabled while the session has one.
    void SaveSessionRecord();
    // What the window knows of its device: the loaded table, where it was
    // loaded from, the transcript of the last Load or Save.
    const ConfigSession& session() const { return m_session; }

    // Whether any page shows other values than the last successful load or
    // save (or the start) left there.
    bool HasUnsavedChanges() const;

    QIcon m_hIcon;
    const std::array<int, 4> m_pageIds = {130, 131, 133, 132};
    // The pages, as their definition has them: public members.
    std::array<Dialog*, 4> m_pages{};
    TolvoInfo* m_pInfo;
    TolvoWiFi* m_pWiFi;
    TolvoPortSettings* m_pPortSettings;
    TolvoPortRouting* m_pPortRouting;
    uint32_t m_deviceAddress = 0;
    int m_deviceTimeoutMs = DEVICE_TIMEOUT_MS; // the bound on each wait for the device
    int m_moveWaitMs = MOVE_WAIT_MS;           // the bound on the wait for a device a save moves
    QString m_version;
    TabControl* m_tab = nullptr;
    FieldMarks* m_marks = nullptr;
    FindDevicesDlg* m_findDevices = nullptr; // made when first opened
    SendConfirmDlg* m_sendConfirm = nullptr; // of the last send to many devices
    SendResultsDlg* m_sendResults = nullptr; // of the last send or check
    int m_sendJobs;                          // devices sent to at once
    QAction* m_recordAction = nullptr;       // Save Record...

protected:
    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnCommand(int id) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Every way out (Exit, Escape, Enter, the close box) comes here; with
    // unsaved changes the user is asked first.
    void done(int result) override;
    void resizeEvent(QResizeEvent* event) override;
    // The system menu's commands (Windows).
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void ShowSaveOutcome(const SaveOutcome& saved);
    void ShowDeviceValueMarks();
    // A failure box, with the transcript under its details.
    void ShowFailure(const QString& text, int caption, PromptIcon icon = PromptIcon::Error);
    void UseFoundDevice();
    // The address field (and the profile) show address.
    void FollowDevice(uint32_t address);
    void AddWindowActions();
    void AddSendAction();
    void AddRecordAction();
    void EnableRecordAction();
    void StartSend(const std::vector<uint32_t>& addresses);
    // The devices picked in Find devices; when none is, says so (noneText)
    // and opens Find devices.
    std::optional<std::vector<uint32_t>> PickedDevices(int noneText, int caption);
    // Where a send's or check's dialogs open: over Find devices when it is
    // open, else over the window.
    QWidget* ResultsOwner();
    void ShowResults(QWidget* owner, std::unique_ptr<SendRun> run);
    // The pages' settings, checked as a save checks them, as a file's values,
    // and the names of the lists left out; nothing, having said why, when a
    // check fails or no load came first.
    std::optional<PageSettings> CheckedPageSettings(int loadFirstText, int caption,
                                                    int failedCaption);
    bool RequireLoad(int text, int caption);
    bool ReadPagesForSave();
    bool ConfirmSaveAddress();
    Pages PageSet();

    ConfigSession m_session;
    QStringList m_savedPageValues; // what the pages showed after the last load or save

    QStringList PageValues() const;
    void KeepPageValuesAsSaved();
    bool ConfirmDiscard();

    void AddAboutCommand();
    void AddPageSwitchKeys(std::initializer_list<QKeyCombination> keys, int step);
    void OnAddressFieldChanged(int field, int value);
};
