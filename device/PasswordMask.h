// The Wi-Fi password's value stays out of what the programs say: errors,
// warnings, dry runs, transcripts and differences show asterisks instead.
// Only the settings files (owner-only) and the values a user asks for by
// name carry it.
#pragma once

#include <QString>

#include <string>

// What stands for the password's value.
inline const QString MASKED_VALUE = QStringLiteral("********");

// The protocol key of the password's row ("PASSWORD").
const std::string& PasswordKey();
bool IsPasswordKey(const QString& key);

// value as a message may quote it: the mask for the password's (an empty
// password stays empty, so that "none set" can still be told), else value.
QString ShownValue(const QString& key, const QString& value);
// The same as a sentence quotes it: its control bytes escaped too (see
// EscapedText), so that a value can neither break a line of output nor move
// a terminal's cursor. --json members and settings files keep ShownValue.
QString QuotedValue(const QString& key, const QString& value);

// The value a command carries from position start: its bytes up to the
// line end and zero byte that end it (a CR, LF or zero byte inside the value
// is part of it).
std::string CommandValue(const std::string& command, std::size_t start);

// A command's bytes with the value of "set PASSWORD ..." masked whole, its
// line end and zero byte kept; any other command as it is.
std::string MaskedCommand(const std::string& bytes);
