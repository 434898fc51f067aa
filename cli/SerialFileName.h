// A device's file name in a folder of backups, made from its serial number.
#pragma once

#include <QString>

namespace cli {

// "TS-240117-0042" gives "TS-240117-0042.json": capital letters, digits,
// "-", "_" and "." stay as they are; every other character (small letters
// too) becomes "%" and the hexadecimal of its UTF-8 bytes, as does a leading
// "." or "-", and the first letter of a name that Windows keeps for a device
// (CON, NUL, COM1, LPT1...). So two serial numbers never share a name, not
// even where file names ignore case, and no name is a path, a hidden file,
// an option or a device.
QString SerialFileName(const QString& serial);

} // namespace cli
