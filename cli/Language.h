// The language tolvoctl speaks: --lang, else the POSIX locale variables,
// else the system's. A script that reads --json output gets English always,
// so that what it parses never depends on where it runs.
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace cli {

// Takes "--lang LANGUAGE" or "--lang=LANGUAGE" out of arguments, wherever it
// stands, into language. False, with error, when it has no value.
bool TakeLanguageOption(QStringList& arguments, QString& language, QString& error);

// Installs the catalogue for the language that language (a --lang value, or
// empty) and environment choose, unless arguments ask for --json. False, with
// error, when language names one that tolvoctl has no catalogue for.
bool SpeakLanguage(QCoreApplication& app, const QStringList& arguments, const QString& language,
                   const QProcessEnvironment& environment, QString& error);

// Whether arguments ask for --json output (or -json, which the parser takes
// too).
bool AsksForJson(const QStringList& arguments);

// Makes the system's own reasons (the C library's, git's) English, as the
// program's are for --json output. Where the system has no such setting
// (Windows), its reasons stay in its language.
void KeepSystemMessagesEnglish();

// "en" and the languages of the catalogues found, for help and errors.
QStringList SpokenLanguages();

} // namespace cli
