// tolvoctl: the command-line tool on the window program's device core.
#include "OpenFileLimit.h"
#include "Tolvoctl.h"
#include "Translations.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    // Room for many devices at once (--jobs up to 1000).
    RaiseOpenFileLimit();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("tolvoctl");
    QCoreApplication::setApplicationVersion(TOLVO_VERSION_TEXT);
    InstallTranslations(app, QStringLiteral("tolvoctl"));
    return RunTolvoctl(QCoreApplication::arguments());
}
