// The catalogues of the user's language: a program's own, and Qt's own for
// the texts of its standard buttons and dialogs.
#pragma once

#include <QLocale>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

class QCoreApplication;

// Where a program looks for its catalogues: beside the executable (as
// deployed on Windows) and in the installed data folder.
QStringList TranslationFolders();

// Installs each catalogue "program_LANG.qm" of programs, from the first of
// folders that has it, and Qt's own catalogue, for the first of locale's
// languages that the first program has a catalogue for, unless English
// comes before it. Returns whether every one was found; without one its
// texts stay as written.
bool InstallTranslations(QCoreApplication& app, const QStringList& programs,
                         const QStringList& folders = TranslationFolders(),
                         const QLocale& locale = QLocale());

// The catalogue of languages ("de", "pt_BR") that serves locale: its own,
// or that of its language written the same way (de_AT: "de", pt_PT:
// "pt_BR"; zh_TW: none, "zh_CN" is written otherwise). Empty for none.
QString ServingCatalogue(const QStringList& languages, const QLocale& locale);

// The locale of the catalogue that serves the first of the preferred
// languages (a locale's UI languages, in the user's order) that one serves;
// nothing when English comes first, or none is served: the texts as written.
std::optional<QLocale> CatalogueLocale(const QStringList& preferred, const QStringList& languages);

// The language of the program catalogue installed last ("de", "pt_BR"), or
// empty while the texts are as written (English).
QString InstalledLanguage();

// The languages that program has a catalogue for in folders, as locale
// names ("de", "pt_BR"), sorted.
QStringList CatalogueLanguages(const QString& program,
                               const QStringList& folders = TranslationFolders());

// The locale a command-line program speaks: chosen (a --lang value) when
// given, else the first of LC_ALL, LC_MESSAGES and LANG that is set (read on
// every platform, so that a script sets it the same way everywhere), else
// the system's. "C" and "POSIX" are English.
QLocale CommandLineLocale(const QString& chosen, const QProcessEnvironment& environment);
