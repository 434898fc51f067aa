// The texts of the device core that a person sees: how addresses, ranges,
// settings files and values are wrong. Both programs show them; they keep
// tolvoctl's translation context, where their translations already are.
#pragma once

#include <QCoreApplication>
#include <QString>

struct ConfigParam;

inline QString Tr(const char* message)
{
    return QCoreApplication::translate("tolvoctl", message);
}

inline constexpr const char* MSG_NOT_AN_ADDRESS = QT_TRANSLATE_NOOP(
    "tolvoctl", "\"%1\" is no IPv4 address (four numbers from 0 to 255 joined by dots).");
inline constexpr const char* MSG_PREFIX_LENGTH =
    QT_TRANSLATE_NOOP("tolvoctl", "\"%1\": a prefix length is 0 to 32.");
inline constexpr const char* MSG_RANGE_BACKWARDS =
    QT_TRANSLATE_NOOP("tolvoctl", "\"%1\": the last address comes before the first.");
inline constexpr const char* MSG_NOT_A_RANGE =
    QT_TRANSLATE_NOOP("tolvoctl", "\"%1\" is no range: give A.B.C.D/N or FIRST-LAST.");
inline constexpr const char* MSG_SCAN_TOO_BIG =
    QT_TRANSLATE_NOOP("tolvoctl", "A scan takes at most %1 addresses in all.");
inline constexpr const char* MSG_CANNOT_READ = QT_TRANSLATE_NOOP("tolvoctl", "Cannot read %1: %2.");
inline constexpr const char* MSG_CANNOT_WRITE =
    QT_TRANSLATE_NOOP("tolvoctl", "Cannot write %1: %2.");
inline constexpr const char* MSG_NOT_A_REGULAR_FILE =
    QT_TRANSLATE_NOOP("tolvoctl", "it is no regular file (a folder, a device or a pipe)");
inline constexpr const char* MSG_FILE_LINE = QT_TRANSLATE_NOOP("tolvoctl", "%1, line %2: %3");
inline constexpr const char* MSG_NOT_A_SETTING =
    QT_TRANSLATE_NOOP("tolvoctl", "\"%1\" is no setting: give KEY=VALUE.");
inline constexpr const char* MSG_NOT_WRITABLE =
    QT_TRANSLATE_NOOP("tolvoctl", "\"%1\" is no setting that can be written.");
inline constexpr const char* MSG_VALUE_INVALID =
    QT_TRANSLATE_NOOP("tolvoctl", "%1: value \"%2\" is not valid; %3.");
inline constexpr const char* MSG_NOT_JSON =
    QT_TRANSLATE_NOOP("tolvoctl", "Not JSON: %1 at byte %2.");
inline constexpr const char* MSG_NOT_AN_OBJECT =
    QT_TRANSLATE_NOOP("tolvoctl", "Not a settings file: the top level is no JSON object.");
inline constexpr const char* MSG_WRONG_FORMAT =
    QT_TRANSLATE_NOOP("tolvoctl", "Not a settings file of format \"%1\", version %2.");
inline constexpr const char* MSG_NO_SETTINGS =
    QT_TRANSLATE_NOOP("tolvoctl", "The file has no \"settings\" object.");
inline constexpr const char* MSG_UNKNOWN_SETTING =
    QT_TRANSLATE_NOOP("tolvoctl", "%1: no setting of that name can be written.");
inline constexpr const char* MSG_NOT_A_STRING =
    QT_TRANSLATE_NOOP("tolvoctl", "%1: the value must be a JSON string.");
inline constexpr const char* MSG_ALLOWED = QT_TRANSLATE_NOOP("tolvoctl", "allowed: %1");
inline constexpr const char* MSG_RULE_ADDRESS =
    QT_TRANSLATE_NOOP("tolvoctl", "an IPv4 address: four numbers from 0 to 255 joined by dots");
inline constexpr const char* MSG_RULE_RANGE =
    QT_TRANSLATE_NOOP("tolvoctl", "a whole number from %1 to %2");
inline constexpr const char* MSG_RULE_LIST = QT_TRANSLATE_NOOP("tolvoctl", "one of %1");
inline constexpr const char* MSG_RULE_TEXT = QT_TRANSLATE_NOOP(
    "tolvoctl", "text of at most %1 Latin-1 characters, without line breaks or zero characters");

// What a task on a device was doing, and why it failed.
inline constexpr const char* MSG_DOING_CONNECTING = QT_TRANSLATE_NOOP("tolvoctl", "connecting");
inline constexpr const char* MSG_DOING_READING = QT_TRANSLATE_NOOP("tolvoctl", "reading");
inline constexpr const char* MSG_DOING_SENDING = QT_TRANSLATE_NOOP("tolvoctl", "sending");
inline constexpr const char* MSG_DOING_LOOKING =
    QT_TRANSLATE_NOOP("tolvoctl", "looking for the device after the apply");
inline constexpr const char* MSG_FAILED_WHILE =
    QT_TRANSLATE_NOOP("tolvoctl", "failed while %1: %2");
inline constexpr const char* MSG_WHY_CONNECT =
    QT_TRANSLATE_NOOP("tolvoctl", "no connection could be made");
inline constexpr const char* MSG_WHY_TIMED_OUT =
    QT_TRANSLATE_NOOP("tolvoctl", "the device did not answer in time");
inline constexpr const char* MSG_WHY_CLOSED =
    QT_TRANSLATE_NOOP("tolvoctl", "the device closed the connection");
inline constexpr const char* MSG_WHY_REPLY_TOO_LONG =
    QT_TRANSLATE_NOOP("tolvoctl", "a reply was longer than %1 bytes");
inline constexpr const char* MSG_WHY_COMMAND_TOO_LONG =
    QT_TRANSLATE_NOOP("tolvoctl", "a command would be longer than %1 bytes");
inline constexpr const char* MSG_WHY_SEND =
    QT_TRANSLATE_NOOP("tolvoctl", "sending to the device failed");
inline constexpr const char* MSG_WHY_CANCELLED = QT_TRANSLATE_NOOP("tolvoctl", "cancelled");
inline constexpr const char* MSG_WHY_OUT_OF_STEP = QT_TRANSLATE_NOOP(
    "tolvoctl", "the device sent more reply lines than it was asked for; its replies cannot be "
                "matched to the settings");
inline constexpr const char* MSG_NOT_KEPT_LINE =
    QT_TRANSLATE_NOOP("tolvoctl", "%1: sent \"%2\", the device holds \"%3\"");
// A setting that the apply changed though it was not sent: a value that an
// earlier, interrupted write left pending on the device.
inline constexpr const char* MSG_UNSENT_CHANGE_LINE = QT_TRANSLATE_NOOP(
    "tolvoctl", "%1: not sent, but read as \"%2\" before the apply and \"%3\" after it");
// A write that failed once something was sent: what the device may hold.
inline constexpr const char* MSG_SENT_NOT_APPLIED = QT_TRANSLATE_NOOP(
    "tolvoctl", "%1; settings had been sent without the apply command: the device may hold them "
                "pending, and its next apply, of any write, commits them");
inline constexpr const char* MSG_SENT_STATE_UNKNOWN = QT_TRANSLATE_NOOP(
    "tolvoctl", "%1 after the settings and the apply command were sent: the device may have "
                "applied them, and any value an earlier write left pending on it; read it to see "
                "what it holds");
// A device that the settings sent move, found again or not.
inline constexpr const char* MSG_READ_BACK_AT =
    QT_TRANSLATE_NOOP("tolvoctl", "%1; read back at its new address %2");
inline constexpr const char* MSG_NOT_SEEN_NEW_ADDRESS = QT_TRANSLATE_NOOP(
    "tolvoctl", "the settings and the apply command were sent; they move the device to %1, and it "
                "answered neither there nor at %2 within %3 seconds: look for it at %1 (it may "
                "still be restarting, or that address is not reachable from this computer)");
inline constexpr const char* MSG_NOT_SEEN_DHCP = QT_TRANSLATE_NOOP(
    "tolvoctl", "the settings and the apply command were sent; they turn DHCP on, and the device "
                "did not answer at %1 within %2 seconds: its DHCP server chooses its address; "
                "find it with a scan of the site's addresses");
inline constexpr const char* MSG_NOT_SEEN_NETWORK = QT_TRANSLATE_NOOP(
    "tolvoctl", "the settings and the apply command were sent; they join the device to another "
                "network (SSID, password or network type), and it did not answer at %1 within %2 "
                "seconds: join that network to reach it, then find it with a scan");
inline constexpr const char* MSG_NOT_SEEN_NETWORK_AT = QT_TRANSLATE_NOOP(
    "tolvoctl", "the settings and the apply command were sent; they join the device to another "
                "network (SSID, password or network type) at the address %1, and it answered "
                "neither there nor at %2 within %3 seconds: join that network to reach it at %1");
inline constexpr const char* MSG_OTHER_DEVICE_ANSWERS = QT_TRANSLATE_NOOP(
    "tolvoctl", "the settings and the apply command were sent; another device (serial number "
                "\"%1\") answers at %2, where this one was looked for after the apply: it was not "
                "read back; look for it with a scan, and give the two devices addresses of their "
                "own");
inline constexpr const char* MSG_NOT_SEEN_SAME_ADDRESS = QT_TRANSLATE_NOOP(
    "tolvoctl", "the settings and the apply command were sent; the device may restart on them, "
                "and it did not answer at %1 within %2 seconds");
// A write whose read-back after the apply did not end (the window's save
// does not read again on a new connection).
inline constexpr const char* MSG_NOT_READ_BACK = QT_TRANSLATE_NOOP(
    "tolvoctl", "the settings and the apply command were sent, but they could not be read back: "
                "the device may have applied them; read it to see what it holds");
inline constexpr const char* MSG_APPLY_UNANSWERED =
    QT_TRANSLATE_NOOP("tolvoctl", "%1 (the apply command was not answered)");

// Values that would break the framing of a command, and a device's error
// replies taken for values.
inline constexpr const char* MSG_VALUE_BREAKS_FRAMING = QT_TRANSLATE_NOOP(
    "tolvoctl", "%1: value \"%2\" holds a line break or a zero byte, which would end the "
                "command early and send the rest as a command of its own; no value may hold one.");
inline constexpr const char* MSG_ERROR_REPLY_VALUE = QT_TRANSLATE_NOOP(
    "tolvoctl", "%1: value \"%2\" is the error reply a device gives for a key it does not know, "
                "not a setting.");
// When this computer, not a device, keeps a connection from being made.
inline constexpr const char* MSG_OUT_OF_CONNECTIONS = QT_TRANSLATE_NOOP(
    "tolvoctl", "This computer could not open another connection: it has too many files and "
                "connections open.");
inline constexpr const char* MSG_OPEN_FILE_LIMIT =
    QT_TRANSLATE_NOOP("tolvoctl", "A program may hold %1 open at once here (ulimit -n).");
inline constexpr const char* MSG_NOT_TRIED =
    QT_TRANSLATE_NOOP("tolvoctl", "Not tried: nothing was sent to it.");
// Input past the size that any valid input has.
inline constexpr const char* MSG_SETTINGS_FILE_TOO_LARGE = QT_TRANSLATE_NOOP(
    "tolvoctl", "%1 is larger than %2 KiB, which no settings file is (one of every setting is "
                "about 1 KiB).");
inline constexpr const char* MSG_HOSTS_FILE_TOO_LARGE = QT_TRANSLATE_NOOP(
    "tolvoctl", "%1 is larger than %2 KiB, which no list of at most %3 addresses needs to be.");
inline constexpr const char* MSG_TOO_MANY_ADDRESSES = QT_TRANSLATE_NOOP(
    "tolvoctl", "At most %1 devices are taken at a time; split the list of addresses.");

// A commissioning record's file that is read back.
inline constexpr const char* MSG_NOT_A_RECORD =
    QT_TRANSLATE_NOOP("tolvoctl", "Not a commissioning record of format \"%1\", version %2.");
inline constexpr const char* MSG_RECORD_MEMBER =
    QT_TRANSLATE_NOOP("tolvoctl", "The record's member %1 is missing or of the wrong type.");
inline constexpr const char* MSG_RECORD_VALUE =
    QT_TRANSLATE_NOOP("tolvoctl", "The record's member %1 holds \"%2\", which a record does not.");
inline constexpr const char* MSG_RECORD_PASSWORD = QT_TRANSLATE_NOOP(
    "tolvoctl", "The record's member %1 holds a Wi-Fi password's value, which a record never "
                "does (only \"********\" or nothing).");
inline constexpr const char* MSG_RECORD_TOO_LARGE =
    QT_TRANSLATE_NOOP("tolvoctl", "%1 is larger than %2 MiB, which no record is.");
inline constexpr const char* MSG_RECORD_TOO_LONG = QT_TRANSLATE_NOOP(
    "tolvoctl", "The record's member %1 is longer than a record's ever is (at most %2).");
inline constexpr const char* MSG_RECORD_SAME_FILE = QT_TRANSLATE_NOOP(
    "tolvoctl",
    "%1 is also a file this command reads or writes: a record needs a file of its own.");
inline constexpr const char* MSG_RECORD_NOT_REPLACED = QT_TRANSLATE_NOOP(
    "tolvoctl",
    "%1 exists and is no commissioning record: a record replaces only an earlier record.");

// Address plans for many devices: each problem names the rows it refuses.
inline constexpr const char* MSG_PLAN_ROW = QT_TRANSLATE_NOOP("tolvoctl", "%1 to %2");
inline constexpr const char* MSG_PLAN_NO_ADDRESS = QT_TRANSLATE_NOOP("tolvoctl", "%1 (no address)");
inline constexpr const char* MSG_PLAN_FIRST_FORM = QT_TRANSLATE_NOOP(
    "tolvoctl", "\"%1\" is no first address of a plan: give A.B.C.D/N (the prefix length is the "
                "mask).");
inline constexpr const char* MSG_PLAN_LINE_FORM = QT_TRANSLATE_NOOP(
    "tolvoctl", "\"%1\" is no line of a plan: give the device's serial number or current address, "
                "then blanks, then its new address.");
inline constexpr const char* MSG_PLAN_EMPTY =
    QT_TRANSLATE_NOOP("tolvoctl", "%1 gives no device an address.");
inline constexpr const char* MSG_PLAN_MASK =
    QT_TRANSLATE_NOOP("tolvoctl", "%1 is no mask of a subnet (its ones do not come first).");
inline constexpr const char* MSG_PLAN_DUPLICATE =
    QT_TRANSLATE_NOOP("tolvoctl", "One address for several devices: %1.");
inline constexpr const char* MSG_PLAN_NETWORK = QT_TRANSLATE_NOOP(
    "tolvoctl", "%1: the network address of the subnet %2, which no device may have.");
inline constexpr const char* MSG_PLAN_BROADCAST = QT_TRANSLATE_NOOP(
    "tolvoctl", "%1: the broadcast address of the subnet %2, which no device may have.");
inline constexpr const char* MSG_PLAN_OUTSIDE =
    QT_TRANSLATE_NOOP("tolvoctl", "%1: outside the subnet %2 of the mask.");
inline constexpr const char* MSG_PLAN_UNNAMED =
    QT_TRANSLATE_NOOP("tolvoctl", "%1: no line of the plan names this device.");
inline constexpr const char* MSG_PLAN_UNMATCHED =
    QT_TRANSLATE_NOOP("tolvoctl", "\"%1\" is none of the devices sent to.");
inline constexpr const char* MSG_PLAN_NAMED_TWICE =
    QT_TRANSLATE_NOOP("tolvoctl", "\"%1\" names a device that an earlier line names too.");
inline constexpr const char* MSG_PLAN_ANSWERING = QT_TRANSLATE_NOOP(
    "tolvoctl", "%1: another device already answers at this address (a device that is switched "
                "off cannot be seen).");
inline constexpr const char* MSG_PLAN_REFUSED =
    QT_TRANSLATE_NOOP("tolvoctl", "The address plan is refused; nothing was sent:");
inline constexpr const char* MSG_PLAN_LIST_NAME = QT_TRANSLATE_NOOP("tolvoctl", "the plan");

// What a row's values may be, as a phrase ("a whole number from 0 to 14").
QString AllowedValues(const ConfigParam& row);

// Why value is no valid value of row, naming what is allowed; empty when it
// is valid.
QString ValueProblem(const ConfigParam& row, const QString& value);
// "KEY: value "VALUE" is not valid; allowed: ..." with the password's value
// masked and control bytes escaped (a value that would break the framing
// of its command says so); empty when value is valid.
QString InvalidValue(const ConfigParam& row, const QString& value);
// MSG_OUT_OF_CONNECTIONS, with this computer's limit where it has one.
QString OutOfConnections();
