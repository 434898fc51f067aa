#include "Language.h"

#include "Messages.h"
#include "Translations.h"

#include <QCoreApplication>

namespace cli {

namespace {

const QString PROGRAM = QStringLiteral("tolvoctl");
const QString OPTION = QStringLiteral("--lang");

// Whether a catalogue of languages serves locale: by its name ("pt_BR") or
// its language alone ("de" for de_AT).
bool Serves(const QStringList& languages, const QLocale& locale)
{
    return languages.contains(locale.name()) ||
           languages.contains(locale.name().section(u'_', 0, 0));
}

} // namespace

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
    if (named && !english && !Serves(CatalogueLanguages(PROGRAM), locale)) {
        error = Tr(MSG_NO_LANGUAGE).arg(language, SpokenLanguages().join(", "));
        return false;
    }
    if (!english && !arguments.contains(QLatin1String("--json")))
        InstallTranslations(app, {PROGRAM}, TranslationFolders(), locale);
    return true;
}

} // namespace cli
