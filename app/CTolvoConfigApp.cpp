#include "CTolvoConfigApp.h"

#include "CTolvoConfigDlg.h"
#include "DialogTemplate.h"
#include "Profile.h"
#include "Prompts.h"
#include "SocketStartup.h"
#include "StringIds.h"
#include "version.h"

QString FormatProductVersion(uint32_t versionMS, uint32_t versionLS)
{
    return QString("%1.%2.%3.%4")
        .arg(versionMS >> 16)
        .arg(versionMS & 0xFFFF)
        .arg(versionLS >> 16)
        .arg(versionLS & 0xFFFF);
}

bool CTolvoConfigApp::SocketInit()
{
    return StartSocketLibrary();
}

bool CTolvoConfigApp::InitInstance()
{
    // The platform's common controls need no registration under this toolkit.
    if (!SocketInit()) {
        ShowPrompt(nullptr, {LoadResourceString(IDS_SOCKETS_INIT_FAILED), DefaultPromptCaption(),
                             PromptIcon::None, PromptButtons::Ok});
        return false;
    }
    SetRegistryKey(PROFILE_ROOT);

    CTolvoConfigDlg dlg;
    SetMainWindow(&dlg);
    ReadOwnVersion();
    dlg.m_version = m_version;
    dlg.DoModal();
    SetMainWindow(nullptr);
    return false;
}

void CTolvoConfigApp::ReadOwnVersion()
{
    // The product version is compiled in from the build's project version
    // (the Windows build also carries it in the executable's version record).
    m_version = FormatProductVersion((TOLVO_VERSION_MAJOR << 16) | TOLVO_VERSION_MINOR,
                                     (TOLVO_VERSION_PATCH << 16) | TOLVO_VERSION_TWEAK);
}
