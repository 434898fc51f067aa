#include "CTolvoConfigDlg.h"

#include "CAboutDlg.h"
#include "CTolvoConfigApp.h"
#include "DataExchange.h"
#include "DialogTemplate.h"
#include "FieldMarks.h"
#include "IpAddressCtrl.h"
#include "LanguageDlg.h"
#include "PageTable.h"
#include "Profile.h"
#include "ProfileKeys.h"
#include "ProfileNotice.h"
#include "Prompts.h"
#include "SendRun.h"
#include "StringIds.h"
#include "SystemMenu.h"
#include "TabControl.h"
#include "TextFit.h"
#include "TolvoInfo.h"
#include "TolvoPortRouting.h"
#include "TolvoPortSettings.h"
#include "TolvoWiFi.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>

namespace {

constexpr StringId TAB_TEXTS[] = {IDS_TAB_INFO, IDS_TAB_WIFI, IDS_TAB_PORT_SETTINGS,
                                  IDS_TAB_PORT_ROUTING};

// Adopts page as a child of owner from construction on, so that the main
// window owns it for its whole life.
template <class Page> Page* OwnedPage(QWidget* owner)
{
    auto* page = new Page;
    page->setParent(owner, Qt::Widget);
    page->hide();
    return page;
}

} // namespace

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/tolvo-config-%1.png").arg(size), QSize(size, size));
    return icon;
}

CTolvoConfigDlg::CTolvoConfigDlg()
    : Dialog(IDD), m_hIcon(ProgramIcon()), m_pInfo(OwnedPage<TolvoInfo>(this)),
      m_pWiFi(OwnedPage<TolvoWiFi>(this)), m_pPortSettings(OwnedPage<TolvoPortSettings>(this)),
      m_pPortRouting(OwnedPage<TolvoPortRouting>(this)), m_sendJobs(SEND_JOBS)
{
    m_pages = {m_pInfo, m_pWiFi, m_pPortSettings, m_pPortRouting};
}

void CTolvoConfigDlg::DoDataExchange(DataExchange& dx)
{
    dx.Address(IDC_DEVICE_ADDRESS, m_deviceAddress);
    dx.Control(IDC_TAB, m_tab);
}

bool CTolvoConfigDlg::OnInitDialog()
{
    Dialog::OnInitDialog();
    AddAboutCommand();
    setWindowIcon(m_hIcon);
    m_deviceAddress = DEFAULT_DEVICE_ADDRESS;

    for (int i = 0; i < 4; ++i) {
        Q_ASSERT(m_pages[i]->templateId() == m_pageIds[i]);
        m_pages[i]->Create(this);
    }
    for (int i = 0; i < 4; ++i) {
        m_tab->insertTab(i, LoadResourceString(TAB_TEXTS[i]));
        m_pages[i]->setAccessibleName(LoadResourceString(TAB_TEXTS[i]));
    }
    // Pages that a language made wider, and tab titles, widen the window.
    int pageGrowth = 0;
    for (const Dialog* page : m_pages)
        pageGrowth = std::max(pageGrowth, page->grownBy());
    WidenControl(m_tab, std::max(m_tab->width() + pageGrowth, TextWidthNeeded(m_tab)));
    m_tab->setCurrentIndex(0);
    connect(m_tab, &TabControl::currentChanged, this, &CTolvoConfigDlg::ShowSelectedPage);
    ShowSelectedPage();
    for (Dialog* page : m_pages)
        page->UpdateData(false);

    m_deviceAddress = static_cast<uint32_t>(
        GetProfileInt(PROFILE_SECTION, PROFILE_ENTRY, static_cast<int32_t>(m_deviceAddress)));
    UpdateData(false);
    connect(ControlAs<IpAddressCtrl>(IDC_DEVICE_ADDRESS), &IpAddressCtrl::fieldChanged, this,
            &CTolvoConfigDlg::OnAddressFieldChanged);
    EnablePageControls(false);

    setWindowTitle(LoadResourceString(IDS_TITLE_WITH_VERSION).arg(windowTitle(), m_version));

    // The tabs take no focus of their own; these keys switch pages instead.
    AddPageSwitchKeys({Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_PageDown}, +1);
    AddPageSwitchKeys({Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, Qt::CTRL | Qt::Key_PageUp}, -1);

    m_marks = new FieldMarks(this);
    for (const ParamRow row : WritableRows())
        m_marks->Track(RowControl(PageSet(), row));
    AddWindowActions();
    AddSendAction();
    AddRecordAction();

    Control(IDCANCEL)->setFocus(Qt::OtherFocusReason);
    KeepPageValuesAsSaved();
    return true;
}

QStringList CTolvoConfigDlg::PageValues() const
{
    QStringList values;
    for (const Dialog* page : m_pages)
        values << page->ControlValues();
    return values;
}

void CTolvoConfigDlg::KeepPageValuesAsSaved()
{
    m_savedPageValues = PageValues();
    m_marks->TakeBaseline();
}

bool CTolvoConfigDlg::HasUnsavedChanges() const
{
    return PageValues() != m_savedPageValues;
}

void CTolvoConfigDlg::done(int result)
{
    if (HasUnsavedChanges() && !ConfirmDiscard())
        return;
    Dialog::done(result);
}

bool CTolvoConfigDlg::ConfirmDiscard()
{
    const QPointer<QWidget> focused = QApplication::focusWidget();
    const Prompt box{LoadResourceString(IDS_DISCARD_CHANGES),
                     LoadResourceString(IDS_DISCARD_CHANGES_CAPTION), PromptIcon::Question,
                     PromptButtons::YesNo, PromptAnswer::No};
    if (ShowPrompt(this, box) == PromptAnswer::Yes)
        return true;
    if (focused)
        focused->setFocus(Qt::OtherFocusReason);
    return false;
}

void CTolvoConfigDlg::AddPageSwitchKeys(std::initializer_list<QKeyCombination> keys, int step)
{
    for (const QKeyCombination key : keys) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, [this, step] {
            const int count = m_tab->count();
            m_tab->setCurrentIndex((m_tab->currentIndex() + step + count) % count);
        });
    }
}

void CTolvoConfigDlg::AddAboutCommand()
{
    const QString text = LoadResourceString(IDS_ABOUTBOX);
    if (text.isEmpty())
        return;
    AppendSystemMenuItem(this, ABOUT_COMMAND_ID, text);
    // Everywhere: the same item in the window's context menu, and F1.
    auto* about = new QAction(text, this);
    about->setShortcut(QKeySequence(Qt::Key_F1));
    about->setShortcutContext(Qt::WindowShortcut);
    connect(about, &QAction::triggered, this, [this] { OnSysCommand(ABOUT_COMMAND_ID); });
    addAction(about);
    // Beside it, the language the window is shown in.
    const QString languageText = LoadResourceString(IDS_LANGUAGE_MENU);
    AppendSystemMenuItem(this, LANGUAGE_COMMAND_ID, languageText, false);
    auto* language = new QAction(languageText, this);
    connect(language, &QAction::triggered, this, [this] { OnSysCommand(LANGUAGE_COMMAND_ID); });
    addAction(language);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

bool CTolvoConfigDlg::OnSysCommand(unsigned id)
{
    if ((id & 0xFFF0) == LANGUAGE_COMMAND_ID) {
        ChooseWindowLanguage(this);
        return true;
    }
    if (!IsAboutCommand(id))
        return false;
    CAboutDlg about;
    about.DoModal();
    return true;
}

bool CTolvoConfigDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    const std::optional<unsigned> command = SystemCommandOf(eventType, message);
    if (command && OnSysCommand(*command)) {
        *result = 0;
        return true;
    }
    return Dialog::nativeEvent(eventType, message, result);
}

void CTolvoConfigDlg::ShowSelectedPage()
{
    const int selected = m_tab->currentIndex();
    const QRect area = m_tab->displayArea().translated(m_tab->pos());
    for (Dialog* page : m_pages) {
        page->setGeometry(area);
        page->raise();
        page->hide();
    }
    if (selected >= 0 && selected < static_cast<int>(m_pages.size()))
        m_pages[selected]->show();
}

void CTolvoConfigDlg::resizeEvent(QResizeEvent* event)
{
    Dialog::resizeEvent(event);
    if (m_tab != nullptr)
        ShowSelectedPage();
}

void CTolvoConfigDlg::EnablePageControls(bool enable)
{
    m_pWiFi->EnableControls(enable);
    m_pPortSettings->EnableControls(enable);
    for (QComboBox* list : m_pPortRouting->m_connectCombo)
        list->setEnabled(enable);
    for (QLineEdit* edit : m_pPortRouting->m_tcpPortEdit)
        edit->setEnabled(enable);
}

void CTolvoConfigDlg::OnAddressFieldChanged(int field, int value)
{
    const int shift = 24 - 8 * field;
    const uint32_t octet = static_cast<uint32_t>(std::clamp(value, 0, 255));
    m_deviceAddress = (m_deviceAddress & ~(0xFFu << shift)) | (octet << shift);
    NoteProfileWrite(this, WriteProfileInt(PROFILE_SECTION, PROFILE_ENTRY,
                                           static_cast<int32_t>(m_deviceAddress)));
}

void CTolvoConfigDlg::OnCommand(int id)
{
    if (id == IDC_LOAD)
        LoadConfiguration();
    else if (id == IDC_SAVE)
        SaveConfiguration();
    else if (id == IDC_FIND_DEVICES)
        FindDevices();
    else if (id == IDC_IMPORT)
        ImportSettings();
    else if (id == IDC_EXPORT)
        ExportSettings();
    else
        Dialog::OnCommand(id);
}

void CTolvoConfigDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A focused button takes Enter as a click; elsewhere Enter is OK.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        else
            OnCommand(IDOK);
        return;
    }
    Dialog::keyPressEvent(event);
}
