// Every text tolvoctl shows a person, in one place for translators. Each is
// shown through Tr(), in the user's language when a catalogue has it; the
// keys of settings, JSON names and command syntax are not texts to translate.
#pragma once

#include "CoreMessages.h"

// Help.
inline constexpr const char* MSG_USAGE = QT_TRANSLATE_NOOP(
    "tolvoctl", "Usage: tolvoctl COMMAND [options] ...\n\nCommands:\n%1\n\"tolvoctl COMMAND "
                "--help\" describes a command. Every command that takes ADDRESS takes several, "
                "or --hosts FILE; there is no default address. restore and set give many devices "
                "each its own static address with an address plan: --plan FILE (a line for each "
                "device, its serial number or current address, then its new address) or "
                "--plan-first A.B.C.D/N (counted upward in the order of the devices); a plan with "
                "one address for several devices, the network or broadcast address, an address "
                "outside the subnet, a device or line that does not match, or an address where "
                "another device already answers (a device switched off cannot be seen) is refused "
                "with exit status 2, and nothing is sent.\n\n%2\n");
inline constexpr const char* MSG_EXIT_HELP = QT_TRANSLATE_NOOP(
    "tolvoctl", "Exit status: 0 success; 1 differences found or a read-back did not match; 2 a "
                "malformed argument or file (nothing is sent); 3 a device could not be read or "
                "written, or a file or the output could not be written.");

// Output and files that did not reach the disk (the sentence: MSG_CANNOT_WRITE).
inline constexpr const char* MSG_STANDARD_OUTPUT = QT_TRANSLATE_NOOP("tolvoctl", "standard output");
inline constexpr const char* MSG_HISTORY_UNCHANGED_WRITTEN =
    QT_TRANSLATE_NOOP("tolvoctl", "History: nothing changed in the files written, no commit.");
inline constexpr const char* MSG_HELP_GET = QT_TRANSLATE_NOOP(
    "tolvoctl", "Reads all 25 settings, or the keys named, and prints KEY=VALUE lines (with a "
                "line \"# ADDRESS\" before each device's when there are several). Values that "
                "break a rule are shown as they are, and said so on stderr.");
inline constexpr const char* MSG_HELP_BACKUP = QT_TRANSLATE_NOOP(
    "tolvoctl", "Saves the 23 writable settings to a file. With one address PATH is the file, "
                "unless it is a folder or ends with a slash; with several, or with --history, it "
                "is a folder, with one file per device named by its serial number.");
inline constexpr const char* MSG_HELP_CHECK =
    QT_TRANSLATE_NOOP("tolvoctl", "Checks a settings file without any device.");
inline constexpr const char* MSG_HELP_DIFF = QT_TRANSLATE_NOOP(
    "tolvoctl", "Reads the device and prints each setting that differs from the file; or "
                "compares two files. A file may be SERIAL@VERSION: that device's file at a "
                "version (a commit, or HEAD~1 and the like) of a folder kept by \"backup "
                "--history\" (see --dir). Exit status 0 when nothing differs, 1 when something "
                "does.");
inline constexpr const char* MSG_HELP_RESTORE = QT_TRANSLATE_NOOP(
    "tolvoctl", "Checks the file, reads each device, sends the file's settings and the apply "
                "command, reads every setting back and reports each one the device did not "
                "keep. FILE \"-\" reads the settings document from standard input, so that a "
                "password needs neither a command line nor a file.");
inline constexpr const char* MSG_HELP_SET = QT_TRANSLATE_NOOP(
    "tolvoctl",
    "Sends the settings given and the apply command, and reads them back, as restore does.");
inline constexpr const char* MSG_HELP_SCAN = QT_TRANSLATE_NOOP(
    "tolvoctl", "Tries the command service on every address of the ranges (A.B.C.D/N or "
                "FIRST-LAST, at most 4096 in all) and prints the serial number and firmware "
                "version of each device that answers.");
inline constexpr const char* MSG_HELP_HISTORY = QT_TRANSLATE_NOOP(
    "tolvoctl", "Lists the versions of one device's file in a folder kept by \"backup "
                "--history\": commit, time and the settings that changed.");
inline constexpr const char* MSG_OPTION_HISTORY = QT_TRANSLATE_NOOP(
    "tolvoctl", "Keeps PATH as a folder under version control (git): one file per serial "
                "number, and a commit for each backup that changed something.");
inline constexpr const char* MSG_OPTION_DIR = QT_TRANSLATE_NOOP(
    "tolvoctl", "The folder kept by \"backup --history\" where SERIAL@VERSION is read "
                "(default: the current folder).");
inline constexpr const char* MSG_OPTION_JSON =
    QT_TRANSLATE_NOOP("tolvoctl", "Machine output: one JSON document on stdout.");
inline constexpr const char* MSG_OPTION_TIMEOUT =
    QT_TRANSLATE_NOOP("tolvoctl", "Bound on each wait, in ms (default 5000; scan: 1000).");
inline constexpr const char* MSG_OPTION_MOVE_WAIT = QT_TRANSLATE_NOOP(
    "tolvoctl", "Bound on the wait for a device that the settings sent move (a new address, DHCP, "
                "another network) to answer again, in ms (default 60000).");
inline constexpr const char* MSG_OPTION_PLAN = QT_TRANSLATE_NOOP(
    "tolvoctl", "An address plan for the devices: a line for each, its serial number or current "
                "address, then its new address (# starts a comment). Each gets its own IPADDRESS, "
                "the IPMASK sent and DHCP 0; the plan is checked before anything is sent.");
inline constexpr const char* MSG_OPTION_PLAN_FIRST = QT_TRANSLATE_NOOP(
    "tolvoctl", "An address plan counted upward from A.B.C.D in the order of the devices, with the "
                "mask of prefix length N: each gets its own IPADDRESS, that IPMASK and DHCP 0; "
                "checked before anything is sent.");
inline constexpr const char* MSG_PLAN_ONE_OPTION =
    QT_TRANSLATE_NOOP("tolvoctl", "Give --plan or --plan-first, not both.");
inline constexpr const char* MSG_PLAN_NEEDS_MASK =
    QT_TRANSLATE_NOOP("tolvoctl", "--plan needs the mask among the settings sent (IPMASK=...).");
inline constexpr const char* MSG_OPTION_JOBS =
    QT_TRANSLATE_NOOP("tolvoctl", "Devices talked to at once (default 16; scan: 64), up to 1000; "
                                  "fewer where this computer's limit on open files (ulimit -n) "
                                  "leaves room for fewer.");
inline constexpr const char* MSG_OPTION_TRACE = QT_TRANSLATE_NOOP(
    "tolvoctl", "Writes each device's exchange to stderr when it ends: every command and reply "
                "with its time, bytes escaped, the password's value masked.");
inline constexpr const char* MSG_OPTION_PORT =
    QT_TRANSLATE_NOOP("tolvoctl", "The command service's TCP port (default 4070).");
inline constexpr const char* MSG_OPTION_HOSTS =
    QT_TRANSLATE_NOOP("tolvoctl", "Also the addresses in FILE, one a line; # starts a comment. "
                                  "At most 4096 devices in all, and a FILE of at most 1 MiB.");
inline constexpr const char* MSG_OPTION_OUTPUT =
    QT_TRANSLATE_NOOP("tolvoctl", "The file, or the folder (with several devices, with --history, "
                                  "or when PATH is a folder or ends with a slash).");
inline constexpr const char* MSG_OPTION_FORCE =
    QT_TRANSLATE_NOOP("tolvoctl", "Overwrite files that exist in the folder.");
inline constexpr const char* MSG_OPTION_DRY_RUN = QT_TRANSLATE_NOOP(
    "tolvoctl", "Print what would be sent, byte for byte but for the password's value, which "
                "shows as asterisks; send nothing (with --only-changed the devices are read).");
inline constexpr const char* MSG_OPTION_ONLY_CHANGED =
    QT_TRANSLATE_NOOP("tolvoctl", "Send only the settings that differ on the device.");
inline constexpr const char* MSG_OPTION_RECORD = QT_TRANSLATE_NOOP(
    "tolvoctl", "Also writes the run's commissioning record to FILE: for every device its "
                "address, serial number, firmware, every setting as read back (the password as "
                "asterisks), whether each was verified and what changed, with the time and the "
                "note, as JSON; it prints the file's SHA-256. With --dry-run of restore the "
                "devices are read and compared with the file (a check): each matches or differs, "
                "and exit status 1 says that one differs.");
inline constexpr const char* MSG_OPTION_NOTE =
    QT_TRANSLATE_NOOP("tolvoctl", "The technician's note in the record of --record.");
inline constexpr const char* MSG_ARGUMENTS =
    QT_TRANSLATE_NOOP("tolvoctl", "As in the usage line above.");

// Arguments and files.
inline constexpr const char* MSG_NO_COMMAND =
    QT_TRANSLATE_NOOP("tolvoctl", "\"%1\" is no command; \"tolvoctl --help\" lists them.");
inline constexpr const char* MSG_NUMBER_OPTION =
    QT_TRANSLATE_NOOP("tolvoctl", "--%1 takes a whole number from %2 to %3.");
inline constexpr const char* MSG_NO_ADDRESS = QT_TRANSLATE_NOOP(
    "tolvoctl", "No device address given (there is no default): give ADDRESS or --hosts FILE.");
inline constexpr const char* MSG_STANDARD_INPUT = QT_TRANSLATE_NOOP("tolvoctl", "standard input");
inline constexpr const char* MSG_FILE_INVALID =
    QT_TRANSLATE_NOOP("tolvoctl", "%1 is not valid; nothing was sent.");
inline constexpr const char* MSG_NEITHER_ADDRESS_NOR_KEY =
    QT_TRANSLATE_NOOP("tolvoctl", "\"%1\" is neither an address nor a setting's key.");
inline constexpr const char* MSG_BACKUP_NEEDS_OUTPUT =
    QT_TRANSLATE_NOOP("tolvoctl", "backup needs -o PATH.");
inline constexpr const char* MSG_CANNOT_MAKE_FOLDER =
    QT_TRANSLATE_NOOP("tolvoctl", "Cannot make the folder %1.");
inline constexpr const char* MSG_CHECK_ARGUMENTS =
    QT_TRANSLATE_NOOP("tolvoctl", "check takes one FILE.");
inline constexpr const char* MSG_DIFF_ARGUMENTS =
    QT_TRANSLATE_NOOP("tolvoctl", "diff takes ADDRESS and FILE, or two FILEs (a FILE may be "
                                  "SERIAL@VERSION).");
inline constexpr const char* MSG_DIFF_ONE_DEVICE =
    QT_TRANSLATE_NOOP("tolvoctl", "diff compares one device with a file.");
inline constexpr const char* MSG_RESTORE_ARGUMENTS =
    QT_TRANSLATE_NOOP("tolvoctl", "restore takes ADDRESS... and FILE.");
inline constexpr const char* MSG_SET_ARGUMENTS =
    QT_TRANSLATE_NOOP("tolvoctl", "set takes ADDRESS... and KEY=VALUE....");
inline constexpr const char* MSG_NOTHING_SENT =
    QT_TRANSLATE_NOOP("tolvoctl", "%1 Nothing was sent.");
inline constexpr const char* MSG_NOTE_NEEDS_RECORD =
    QT_TRANSLATE_NOOP("tolvoctl", "--note goes into a record: give --record FILE too.");
inline constexpr const char* MSG_SCAN_ARGUMENTS =
    QT_TRANSLATE_NOOP("tolvoctl", "scan takes RANGE....");

// Rules of values.
inline constexpr const char* MSG_RULE_BROKEN =
    QT_TRANSLATE_NOOP("tolvoctl", "%1: value \"%2\" breaks the rule; %3");

// Devices and results.
inline constexpr const char* MSG_PROGRESS = QT_TRANSLATE_NOOP("tolvoctl", "%1 of %2 devices");
inline constexpr const char* MSG_ONE_SETTING = QT_TRANSLATE_NOOP("tolvoctl", "1 setting");
inline constexpr const char* MSG_SETTINGS = QT_TRANSLATE_NOOP("tolvoctl", "%1 settings");
inline constexpr const char* MSG_DEVICES_SUCCEEDED =
    QT_TRANSLATE_NOOP("tolvoctl", "%1 of %2 devices succeeded.");
inline constexpr const char* MSG_DEVICES_READ =
    QT_TRANSLATE_NOOP("tolvoctl", "%1 of %2 devices read.");
inline constexpr const char* MSG_SAME_SERIAL = QT_TRANSLATE_NOOP(
    "tolvoctl", "another device has the serial number \"%1\"; %2 was not written");
inline constexpr const char* MSG_NOT_OVERWRITTEN =
    QT_TRANSLATE_NOOP("tolvoctl", "%1 exists; not overwritten (--force overwrites)");
inline constexpr const char* MSG_OTHER_DEVICES_FILE = QT_TRANSLATE_NOOP(
    "tolvoctl", "%1 holds the backup of another device (serial number \"%2\"); not overwritten");
inline constexpr const char* MSG_SAVED = QT_TRANSLATE_NOOP("tolvoctl", "saved %1 to %2");
inline constexpr const char* MSG_FILE_VALID =
    QT_TRANSLATE_NOOP("tolvoctl", "%1: valid, %2 settings.");
inline constexpr const char* MSG_VERSIONS_DIFFER_LINE =
    QT_TRANSLATE_NOOP("tolvoctl", "%1: \"%2\" in %3, \"%4\" in %5");
inline constexpr const char* MSG_VERSIONS_ONLY_FROM_LINE =
    QT_TRANSLATE_NOOP("tolvoctl", "%1: \"%2\" in %3, not in %4");
inline constexpr const char* MSG_VERSIONS_ONLY_TO_LINE =
    QT_TRANSLATE_NOOP("tolvoctl", "%1: not in %2, \"%3\" in %4");
inline constexpr const char* MSG_NO_GIT =
    QT_TRANSLATE_NOOP("tolvoctl", "A history needs the git program, and none was found.");
inline constexpr const char* MSG_GIT_FAILED = QT_TRANSLATE_NOOP("tolvoctl", "git %1 failed: %2");
inline constexpr const char* MSG_GIT_EXIT_STATUS = QT_TRANSLATE_NOOP("tolvoctl", "exit status %1");
inline constexpr const char* MSG_GIT_UNREADABLE =
    QT_TRANSLATE_NOOP("tolvoctl", "git %1 gave output that could not be read, for %2.");
inline constexpr const char* MSG_GIT_TIMED_OUT =
    QT_TRANSLATE_NOOP("tolvoctl", "git %1 did not finish within %2 seconds.");
inline constexpr const char* MSG_NO_SUCH_VERSION = QT_TRANSLATE_NOOP(
    "tolvoctl", "\"%1\" is no version of %2: give a commit, or HEAD~1 and the like.");
inline constexpr const char* MSG_CANNOT_LOCK =
    QT_TRANSLATE_NOOP("tolvoctl", "Cannot make the lock file %1.");
inline constexpr const char* MSG_LOCK_HOLDER = QT_TRANSLATE_NOOP("tolvoctl", "process %1 on %2");
inline constexpr const char* MSG_FOLDER_IN_USE = QT_TRANSLATE_NOOP(
    "tolvoctl", "%1 is in use by another backup (%2); nothing was read or written.");
inline constexpr const char* MSG_WAITING_FOR_FOLDER = QT_TRANSLATE_NOOP(
    "tolvoctl", "%1 is in use by another backup; waiting for it to end (at most %2 minutes).");
inline constexpr const char* MSG_HISTORY_EARLIER = QT_TRANSLATE_NOOP(
    "tolvoctl", "History: the files already in the folder, committed first as %1.");
inline constexpr const char* MSG_HISTORY_COMMITTED =
    QT_TRANSLATE_NOOP("tolvoctl", "History: commit %1 (%2).");
inline constexpr const char* MSG_HISTORY_UNCHANGED =
    QT_TRANSLATE_NOOP("tolvoctl", "History: nothing changed, no commit.");
inline constexpr const char* MSG_HISTORY_NEW = QT_TRANSLATE_NOOP("tolvoctl", "new");
inline constexpr const char* MSG_HISTORY_ARGUMENTS =
    QT_TRANSLATE_NOOP("tolvoctl", "history takes DIR and SERIAL.");
inline constexpr const char* MSG_NO_VERSIONS =
    QT_TRANSLATE_NOOP("tolvoctl", "%1 has no versions of %2.");
inline constexpr const char* MSG_DIFFERS_LINE =
    QT_TRANSLATE_NOOP("tolvoctl", "%1: device \"%2\", file \"%3\"");
inline constexpr const char* MSG_ONE_DIFFERS = QT_TRANSLATE_NOOP("tolvoctl", "%1 differs");
inline constexpr const char* MSG_SEVERAL_DIFFER = QT_TRANSLATE_NOOP("tolvoctl", "%1 differ");
inline constexpr const char* MSG_WOULD_SEND = QT_TRANSLATE_NOOP("tolvoctl", "would send");
inline constexpr const char* MSG_DRY_RUN = QT_TRANSLATE_NOOP("tolvoctl", "nothing sent (dry run)");
// A dry run with a record is a check: the device read and compared.
inline constexpr const char* MSG_CHECK_MATCHES =
    QT_TRANSLATE_NOOP("tolvoctl", "%1; matches: the device holds every value");
inline constexpr const char* MSG_CHECK_DIFFERS = QT_TRANSLATE_NOOP("tolvoctl", "%1; differs: %2");
inline constexpr const char* MSG_CHECK_SUMMARY =
    QT_TRANSLATE_NOOP("tolvoctl", "%1 matching, %2 differing, %3 failed");
// The commissioning record of a run (--record).
inline constexpr const char* MSG_RECORD_WRITTEN =
    QT_TRANSLATE_NOOP("tolvoctl", "Record: %1, SHA-256 %2");
inline constexpr const char* MSG_RECORD_NOT_WRITTEN = QT_TRANSLATE_NOOP(
    "tolvoctl", "%1 The record was not written; each device's result stands as reported.");
inline constexpr const char* MSG_ALL_KEPT = QT_TRANSLATE_NOOP("tolvoctl", "%1 sent, all kept");
inline constexpr const char* MSG_NOTHING_DIFFERS =
    QT_TRANSLATE_NOOP("tolvoctl", "nothing differs, nothing sent");
inline constexpr const char* MSG_NOT_KEPT = QT_TRANSLATE_NOOP("tolvoctl", "%1 sent; NOT KEPT: %2");
// The apply committed values that nobody sent (left pending by an earlier,
// interrupted write): the device holds what was not asked for.
inline constexpr const char* MSG_SENT_AND_KEPT = QT_TRANSLATE_NOOP("tolvoctl", "%1 sent and kept");
inline constexpr const char* MSG_ALSO_CHANGED = QT_TRANSLATE_NOOP(
    "tolvoctl", "%1; BUT SETTINGS THAT WERE NOT SENT READ OTHERWISE AFTER THE APPLY (any apply "
                "commits a value that an earlier, interrupted write left pending on the device): "
                "%2");
inline constexpr const char* MSG_SCAN_HEADING_ADDRESS = QT_TRANSLATE_NOOP("tolvoctl", "ADDRESS");
inline constexpr const char* MSG_SCAN_HEADING_SERIAL =
    QT_TRANSLATE_NOOP("tolvoctl", "SERIAL NUMBER");
inline constexpr const char* MSG_SCAN_HEADING_FIRMWARE = QT_TRANSLATE_NOOP("tolvoctl", "FIRMWARE");
inline constexpr const char* MSG_ADDRESSES_ANSWERED =
    QT_TRANSLATE_NOOP("tolvoctl", "%1 of %2 addresses answered.");

// A device's own bytes: error replies stored as values.
inline constexpr const char* MSG_OPTION_SEND_ERROR_REPLIES = QT_TRANSLATE_NOOP(
    "tolvoctl", "Send values that are a device's error reply (\"ERROR\" alone or followed by a "
                "blank, as a device answers a key it does not know), which restore refuses "
                "otherwise: a backup of a device that lacked a setting holds one.");
inline constexpr const char* MSG_ERROR_REPLY_KEPT = QT_TRANSLATE_NOOP(
    "tolvoctl", "%1 The file holds it as the device sent it; restore sends it only with "
                "--send-error-replies.");
inline constexpr const char* MSG_ERROR_REPLY_CHECKED =
    QT_TRANSLATE_NOOP("tolvoctl", "%1 A restore sends it only with --send-error-replies.");
inline constexpr const char* MSG_ERROR_REPLY_NOT_SENT =
    QT_TRANSLATE_NOOP("tolvoctl", "%1 It is sent only with --send-error-replies.");
inline constexpr const char* MSG_ERROR_REPLIES_REFUSED =
    QT_TRANSLATE_NOOP("tolvoctl", "%1 holds a device's error reply as a value; nothing was sent.");
// This computer, not a device, stopped a run.
inline constexpr const char* MSG_RUN_STOPPED = QT_TRANSLATE_NOOP(
    "tolvoctl", "%1 The run stopped: %2 of %3 devices were not tried, and nothing was sent to "
                "them.");
inline constexpr const char* MSG_SCAN_STOPPED =
    QT_TRANSLATE_NOOP("tolvoctl", "%1 The scan stopped: %2 of %3 addresses were not tried.");

// The language of messages and help.
inline constexpr const char* MSG_LANGUAGE_HELP = QT_TRANSLATE_NOOP(
    "tolvoctl", "Messages and help are in the language of --lang LANGUAGE (%1), else of LC_ALL, "
                "LC_MESSAGES or LANG, else of the system. --json output is always in English, "
                "whatever the language.");
inline constexpr const char* MSG_NO_LANGUAGE =
    QT_TRANSLATE_NOOP("tolvoctl", "\"%1\" is no language tolvoctl speaks; it speaks %2.");
inline constexpr const char* MSG_LANGUAGE_MISSING =
    QT_TRANSLATE_NOOP("tolvoctl", "--lang needs a language, for instance --lang de.");
