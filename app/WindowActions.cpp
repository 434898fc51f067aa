// The main window's actions beyond Load and Save: Find devices, Import and
// Export, each a button of the window, a shortcut, and an item of the
// window's context menu; and Save Record, an item and a shortcut.
#include "CTolvoConfigDlg.h"

#include "ActionKeysFirst.h"
#include "DeviceScan.h"
#include "DialogTemplate.h"
#include "FindDevicesDlg.h"
#include "Profile.h"
#include "ProfileKeys.h"
#include "ProfileNotice.h"
#include "RecordSaving.h"
#include "StringIds.h"

#include <QAction>
#include <QPushButton>

namespace {

struct WindowAction {
    int button;
    StringId name;
    Qt::Key key; // with Ctrl
};

constexpr WindowAction WINDOW_ACTIONS[] = {
    {CTolvoConfigDlg::IDC_FIND_DEVICES, IDS_ACTION_FIND, Qt::Key_F},
    {CTolvoConfigDlg::IDC_IMPORT, IDS_ACTION_IMPORT, Qt::Key_I},
    {CTolvoConfigDlg::IDC_EXPORT, IDS_ACTION_EXPORT, Qt::Key_E},
};

} // namespace

void CTolvoConfigDlg::AddWindowActions()
{
    // Tab reaches these buttons after the pages' fields, just before Exit:
    // after the last widget that follows Save in the focus chain and takes focus.
    QList<QWidget*> buttons;
    for (const WindowAction& entry : WINDOW_ACTIONS)
        buttons << Control(entry.button);
    QWidget* previous = Control(IDC_SAVE);
    for (QWidget* next = previous->nextInFocusChain(); next != Control(IDCANCEL) && next != this;
         next = next->nextInFocusChain()) {
        if (!buttons.contains(next) && next->focusPolicy() != Qt::NoFocus)
            previous = next; // (Qt orders only widgets that take focus)
    }
    for (const WindowAction& entry : WINDOW_ACTIONS) {
        QWidget::setTabOrder(previous, Control(entry.button));
        previous = Control(entry.button);
    }
    for (const WindowAction& entry : WINDOW_ACTIONS) {
        QWidget* button = Control(entry.button);
        const QKeySequence shortcut(Qt::CTRL | entry.key);
        const QString name = LoadResourceString(entry.name);
        button->setAccessibleName(name);
        button->setToolTip(
            QString("%1 (%2)").arg(name, shortcut.toString(QKeySequence::NativeText)));
        auto* action = new QAction(qobject_cast<QPushButton*>(button)->text(), this);
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, id = entry.button] { OnCommand(id); });
        addAction(action);
    }
    new ActionKeysFirst(this);
}

void CTolvoConfigDlg::FindDevices()
{
    if (m_findDevices == nullptr) {
        m_findDevices = new FindDevicesDlg(this, DEVICE_COMMAND_PORT, SCAN_TIMEOUT_MS);
        connect(m_findDevices, &QDialog::accepted, this, &CTolvoConfigDlg::UseFoundDevice);
        connect(m_findDevices, &FindDevicesDlg::sendRequested, this,
                &CTolvoConfigDlg::SendToPickedDevices);
        connect(m_findDevices, &FindDevicesDlg::checkRequested, this,
                &CTolvoConfigDlg::CheckPickedDevices);
    }
    m_findDevices->setWindowModality(Qt::WindowModal);
    m_findDevices->open();
}

void CTolvoConfigDlg::UseFoundDevice()
{
    const std::optional<uint32_t> address = m_findDevices->chosen();
    if (!address)
        return;
    FollowDevice(*address);
    Control(IDC_LOAD)->setFocus(Qt::OtherFocusReason);
}

void CTolvoConfigDlg::FollowDevice(uint32_t address)
{
    m_deviceAddress = address;
    UpdateData(false);
    NoteProfileWrite(this, WriteProfileInt(PROFILE_SECTION, PROFILE_ENTRY,
                                           static_cast<int32_t>(m_deviceAddress)));
}

void CTolvoConfigDlg::AddRecordAction()
{
    m_recordAction = new QAction(LoadResourceString(IDS_RECORD_SAVE_ACTION), this);
    m_recordAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    m_recordAction->setShortcutContext(Qt::WindowShortcut);
    m_recordAction->setToolTip(LoadResourceString(IDS_RECORD_ACTION_NAME));
    connect(m_recordAction, &QAction::triggered, this, &CTolvoConfigDlg::SaveSessionRecord);
    addAction(m_recordAction);
    EnableRecordAction();
}

void CTolvoConfigDlg::EnableRecordAction()
{
    m_recordAction->setEnabled(m_session.record().has_value());
}

void CTolvoConfigDlg::SaveSessionRecord()
{
    if (const std::optional<SessionRecord>& record = m_session.record())
        SaveRecordAsked(this, record->kind, {record->device});
}
