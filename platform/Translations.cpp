#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

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
    QCoreApplication::installTranslator(translator.release());
    return true;
}

} // namespace

QStringList TranslationFolders()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.filePath(QLatin1String(DEPLOYED_FOLDER)),
            QDir::cleanPath(programFolder.filePath(QLatin1String(INSTALLED_FOLDER)))};
}

bool InstallTranslations(QCoreApplication& app, const QString& program, const QStringList& folders,
                         const QLocale& locale)
{
    Install(app, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    for (const QString& folder : folders) {
        if (Install(app, locale, program, folder))
            return true;
    }
    return false;
}
