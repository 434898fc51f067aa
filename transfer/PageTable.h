// Moving values between the parameter table and the four pages: the
// conversions of a load and the setter calls of a save.
#pragma once

#include <QHash>

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class DeviceSettings;
struct ParamRow;
class Dialog;
class QWidget;
class TolvoInfo;
class TolvoPortRouting;
class TolvoPortSettings;
class TolvoWiFi;

struct Pages {
    TolvoInfo& info;
    TolvoWiFi& wifi;
    TolvoPortSettings& portSettings;
    TolvoPortRouting& portRouting;
};

// A row's value, or "0" for a row that holds none.
std::string RowText(const DeviceSettings& table, ParamRow row);

// Leading white space, an optional sign, then decimal digits up to the
// first other character; no digits give 0. Beyond 32 bits it saturates.
int32_t DeviceInteger(const std::string& text);

// The standard dotted-quad parser's reading of text, in host order; text
// that is no IPv4 address gives 0xFFFFFFFF.
uint32_t DeviceAddress(const std::string& text);

// The rows whose value the pages cannot show as it stands: for a number,
// list position or address, anything but the number or address written
// plainly ("6", "192.168.1.50"); for a text, one with a zero byte. A load
// shows them as near as it can and says so.
std::vector<ParamRow> UnshowableRows(const DeviceSettings& table);

// The control that shows row: a field or list of a page, or for the two
// device-information rows, their labels.
QWidget* RowControl(Pages pages, ParamRow row);

// The row's name as the user knows it: its field's accessible name (from the
// label beside it), else the table's label.
QString RowName(Pages pages, ParamRow row);
// Each writable setting's name as the pages show it (RowName), by its key.
QHash<QString, QString> WritableRowNames(Pages pages);

// The name the pages show the setting with this protocol key by, in the
// window's language, found in the pages' templates without making the
// pages (a commissioning record's PDF names its settings so); empty for a
// key that is no setting.
QString ShownSettingName(const QString& key);
// What the pages' list shows for value where the setting's value is the
// position in its list ("DHCP Disabled" for DHCP 0), in the window's
// language; empty for other settings and for a value the list lacks.
QString ShownChoice(const QString& key, const QString& value);

// The 23 rows that a save writes, in table order.
std::vector<ParamRow> WritableRows();

// The four pages, in tab order.
std::vector<Dialog*> PageList(Pages pages);

// Copies every row into the page members and list selections, in the order
// of the load. Members first; the caller refreshes the controls.
void CopyTableToPages(const DeviceSettings& table, Pages pages);

// Writes the 23 writable rows of table from the page members and lists, in
// the order of the save. A list without a selected item leaves its row out.
// Returns the names of the lists left out, or nothing, with the table
// partly written, if a text could not be stored.
std::optional<QStringList> CopyPagesToTable(Pages pages, DeviceSettings& table);
