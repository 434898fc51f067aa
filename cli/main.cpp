// tolvoctl: the command-line tool on the window program's device core.
#include "Invocation.h"
#include "Language.h"
#include "OpenFileLimit.h"
#include "Tolvoctl.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    // Room for many devices at once (--jobs up to 1000).
    RaiseOpenFileLimit();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("tolvoctl");
    QCoreApplication::setApplicationVersion(TOLVO_VERSION_TEXT);
    QStringList arguments = QCoreApplication::arguments();
    QString language;
    QString error;
    if (!cli::TakeLanguageOption(arguments, language, error) ||
        !cli::SpeakLanguage(app, arguments, language, QProcessEnvironment::systemEnvironment(),
                            error))
        return cli::Usage(error);
    if (cli::AsksForJson(arguments))
        cli::KeepSystemMessagesEnglish();
    return RunTolvoctl(arguments);
}
