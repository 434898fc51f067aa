// The catalogues of the user's language: a program's own, and Qt's own for
// the texts of its standard buttons and dialogs.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// Where a program looks for its catalogues: beside the executable (as
// deployed on Windows) and in the installed data folder.
QStringList TranslationFolders();

// Installs the catalogue "program_LANG.qm" for locale from the first of
// folders that has one, and Qt's own catalogue for it. Returns whether the
// program's catalogue was found; without one the texts stay as written.
bool InstallTranslations(QCoreApplication& app, const QString& program,
                         const QStringList& folders = TranslationFolders(),
                         const QLocale& locale = QLocale());
