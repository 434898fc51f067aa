// Addresses, ranges and KEY=VALUE settings as a user types them. Every
// parser says in a sentence what is wrong with its input.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The most addresses that one scan may try.
constexpr int MAX_SCAN_ADDRESSES = 4096;
// The most devices that one command or list takes (each costs some 13 KB).
constexpr int MAX_DEVICE_ADDRESSES = MAX_SCAN_ADDRESSES;

// One address; false with error set when it is none.
bool ParseAddressArgument(const QString& text, uint32_t& address, QString& error);

// "192.168.1.0/24" (every address of the block) or "FIRST-LAST", appended
// to out. At most MAX_SCAN_ADDRESSES in all.
bool ParseRange(const QString& text, std::vector<uint32_t>& out, QString& error);

// One address a line; blank lines and "#" comments are skipped. A line that
// is no address is named by where (the file's name, or what the text is
// called) and its number. At most MAX_DEVICE_ADDRESSES in all.
bool ParseHostsText(const QString& text, const QString& where, std::vector<uint32_t>& out,
                    QString& error);
// The same for a file of at most MAX_HOSTS_FILE_BYTES.
bool ReadHostsFile(const QString& path, std::vector<uint32_t>& out, QString& error);
// The text of a file in that style (a list of addresses or an address plan)
// of at most MAX_HOSTS_FILE_BYTES; nothing, with error said, when it is
// larger or cannot be read.
std::optional<QString> ReadHostsText(const QString& path, QString& error);

struct Assignment {
    QString key;
    QString value; // one character per device byte (Latin-1)
};

// "KEY=VALUE" for a writable key, with a value that passes the key's rule.
bool ParseAssignment(const QString& text, Assignment& out, QString& error);
