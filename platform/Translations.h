// The catalogues of the user's language: a program's own, and Qt's own for
// the texts of its standard buttons and dialogs.
#pragma once

#include <QLocale>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class QCoreApplication;

// Where a program looks for its catalogues: beside the executable (as
// deployed on Windows) and in the installed data folder.
QStringList TranslationFolders();

// Installs each catalogue "program_LANG.qm" of programs for locale, from the
// first of folders that has it, and Qt's own catalogue for it. Returns
// whether every one was found; without one its texts stay as written.
bool InstallTranslations(QCoreApplication& app, const QStringList& programs,
                         const QStringList& folders = TranslationFolders(),
                         const QLocale& locale = QLocale());

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
