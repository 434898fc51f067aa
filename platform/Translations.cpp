#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace {

QString installedLanguage;

// Relative to the executable's folder.
const char* const DEPLOYED_FOLDER = "translations";
const char* const INSTALLED_FOLDER = "../share/tolvo-config/translations";

// Loads file_LANG.qm for locale from folder and installs it, owned by the
// application.
bool Install(QCoreApplication& app, const QLocale& locale, const QString& file,
             const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, file, QStringLiteral("_"), folder))
        return false;
    translator->setParent(&app);
    if (file != QLatin1String("qtbase"))
        installedLanguage = translator->language();
    QCoreApplication::installTranslator(translator.release());
    return true;
}

// A POSIX locale name as Qt reads it: "de_DE.UTF-8@euro" is "de_DE".
QLocale PosixLocale(QString name)
{
    name = name.section(u'.', 0, 0).section(u'@', 0, 0);
    if (name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return QLocale::c();
    return QLocale(name);
}

} // namespace

QStringList TranslationFolders()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.filePath(QLatin1String(DEPLOYED_FOLDER)),
            QDir::cleanPath(programFolder.filePath(QLatin1String(INSTALLED_FOLDER)))};
}

bool InstallTranslations(QCoreApplication& app, const QStringList& programs,
                         const QStringList& folders, const QLocale& wanted)
{
    const std::optional<QLocale> found =
        programs.isEmpty()
            ? wanted
            : CatalogueLocale(wanted.uiLanguages(), CatalogueLanguages(programs.first(), folders));
    if (!found)
        return false; // English comes first
    const QLocale& locale = *found;
    Install(app, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    const auto installed = [&](const QString& program) {
        return std::any_of(folders.begin(), folders.end(), [&](const QString& folder) {
            return Install(app, locale, program, folder);
        });
    };
    return std::count_if(programs.begin(), programs.end(), installed) == programs.size();
}

QString ServingCatalogue(const QStringList& languages, const QLocale& locale)
{
    if (languages.contains(locale.name()))
        return locale.name();
    // A language's other country, written the same way ("de_AT": "de",
    // "pt_PT": "pt_BR"); not Chinese of Taiwan for the catalogue of China.
    const QString language = locale.name().section(u'_', 0, 0);
    for (const QString& name : languages) {
        if (name.section(u'_', 0, 0) == language && QLocale(name).script() == locale.script())
            return name;
    }
    return {};
}

std::optional<QLocale> CatalogueLocale(const QStringList& preferred, const QStringList& languages)
{
    for (const QString& name : preferred) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return std::nullopt;
        if (const QString catalogue = ServingCatalogue(languages, locale); !catalogue.isEmpty())
            return QLocale(catalogue);
    }
    return std::nullopt;
}

QString InstalledLanguage()
{
    return installedLanguage;
}

QStringList CatalogueLanguages(const QString& program, const QStringList& folders)
{
    QStringList languages;
    const QString prefix = program + u'_';
    for (const QString& folder : folders) {
        for (const QString& file : QDir(folder).entryList({prefix + "*.qm"}, QDir::Files)) {
            const QString language = file.mid(prefix.size()).chopped(3);
            if (!languages.contains(language))
                languages << language;
        }
    }
    languages.sort();
    return languages;
}

QLocale CommandLineLocale(const QString& chosen, const QProcessEnvironment& environment)
{
    if (!chosen.isEmpty())
        return PosixLocale(chosen);
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment.value(QLatin1String(variable));
        if (!value.isEmpty())
            return PosixLocale(value);
    }
    return QLocale::system();
}
