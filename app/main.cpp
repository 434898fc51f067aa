// The Tolvo-S configuration utility.
#include "CTolvoConfigApp.h"
#include "CTolvoConfigDlg.h"
#include "LanguageDlg.h"
#include "OpenFileLimit.h"
#include "Profile.h"
#include "RecordPdfCommand.h"
#include "Translations.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

int main(int argc, char* argv[])
{
    // --record-pdf makes a record's PDF, without the window or a display.
    const bool recordPdf = PrepareRecordPdfCommand(argc, argv);
    // Room for many devices at once (sending to many, Find Devices).
    RaiseOpenFileLimit();
    QApplication qtApp(argc, argv);
    // Named after the executable, as the profile and the message captions are.
    QApplication::setApplicationName(
        QFileInfo(QApplication::applicationFilePath()).completeBaseName());
    QApplication::setWindowIcon(ProgramIcon());
    SetRegistryKey(PROFILE_ROOT); // the language is in the profile
    // The window's own texts, and the device core's sentences (tolvoctl's).
    InstallTranslations(qtApp, {QStringLiteral("TolvoSConfig"), QStringLiteral("tolvoctl")},
                        TranslationFolders(), WindowLocale());
    if (recordPdf)
        return RunRecordPdfCommand(QApplication::arguments());

    CTolvoConfigApp theApp;
    theApp.InitInstance();
    return theApp.ExitInstance();
}
