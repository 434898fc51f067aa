#include "Language.h"

#include "Messages.h"
#include "Translations.h"

#include <QCoreApplication>

#include <clocale>

namespace cli {

namespace {

const QString PROGRAM = QStringLiteral("tolvoctl");
const QString OPTION = QStringLiteral("--lang");

} // namespace

bool AsksForJson(const QStringList& arguments)
{
    // The parser takes a word option after one dash as well.
    return arguments.contains(QLatin1String("--json")) ||
           arguments.contains(QLatin1String("-json"));
}

void KeepSystemMessagesEnglish()
{
#ifdef Q_OS_UNIX
    // The C library's and git's reasons (strerror, "fatal: ...") follow
    // LC_MESSAGES; LC_ALL would override it, so its value moves to LC_CTYPE
    // (file names keep their encoding).
    const QByteArray all = qgetenv("LC_ALL");
    if (!all.isEmpty()) {
        qputenv("LC_CTYPE", all);
        qunsetenv("LC_ALL");
    }
    qunsetenv("LANGUAGE");
    qputenv("LC_MESSAGES", "C");
    std::setlocale(LC_ALL, "");
#endif
}

bool TakeLanguageOption(QStringList& arguments, QString& language, QString& error)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--"))
            break;
        if (arguments.at(i).startsWith(OPTION + u'=')) {
            language = arguments.takeAt(i).mid(OPTION.size() + 1);
        } else if (arguments.at(i) == OPTION) {
            arguments.removeAt(i);
            language = i < arguments.size() ? arguments.takeAt(i) : QString();
        } else {
            continue;
        }
        if (language.isEmpty()) {
            error = Tr(MSG_LANGUAGE_MISSING);
            return false;
        }
        --i;
    }
    return true;
}

QStringList SpokenLanguages()
{
    return QStringList{QStringLiteral("en")} + CatalogueLanguages(PROGRAM);
}

bool SpeakLanguage(QCoreApplication& app, const QStringList& arguments, const QString& language,
                   const QProcessEnvironment& environment, QString& error)
{
    const QLocale locale = CommandLineLocale(language, environment);
    // A name Qt does not know reads as "C": English only when it says so.
    const bool named =
        !language.isEmpty() && language != QLatin1String("C") && language != QLatin1String("POSIX");
    const bool english =
        locale.language() == QLocale::English || (locale.language() == QLocale::C && !named);
    if (named && !english && ServingCatalogue(CatalogueLanguages(PROGRAM), locale).isEmpty()) {
        error = Tr(MSG_NO_LANGUAGE).arg(language, SpokenLanguages().join(", "));
        return false;
    }
    if (!english && !AsksForJson(arguments))
        InstallTranslations(app, {PROGRAM}, TranslationFolders(), locale);
    return true;
}

} // namespace cli
