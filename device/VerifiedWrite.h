// A verified write to one device, as tolvoctl's restore and set and the
// window's sending to many devices do it: read the rows concerned, send
// those wanted (or only those that differ) and the apply command, read them
// back, and tell what the device did not keep.
#pragma once

#include "DeviceTask.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <vector>

// Settings as KEY and VALUE (one character per device byte), in file order.
using SettingValues = QList<QPair<QString, QString>>;

// The value that settings hold for key, or the empty text.
QString HeldValue(const DeviceSettings& settings, const QString& key);
// The rows of wanted whose value differs from what values holds.
SettingValues Differences(const SettingValues& wanted, const DeviceSettings& values);
// The table rows of the wanted keys, in table order.
std::vector<ParamRow> RowsOf(const SettingValues& wanted);
// What a push to a device holding before sends: every wanted row, or with
// onlyChanged those that differ.
DeviceSettings PushOf(const SettingValues& wanted, const DeviceSettings& before, bool onlyChanged);

// Adds to task the steps that read the wanted rows (and alsoRead) into
// task.before, push (see PushOf) into task.sent, apply and read back into
// task.after (a row both wanted and in alsoRead is read once). A device that
// already holds every value is sent nothing when onlyChanged. When something
// is sent, every other writable row is read before the push and after the
// apply too: the apply commits whatever the device holds pending, and only
// so can a change that was not sent be told (UnsentChangeLines).
void AddVerifiedWrite(DeviceTask& task, const SettingValues& wanted, bool onlyChanged,
                      const std::vector<ParamRow>& alsoRead = {});

// Adds to task the steps of a write to a device whose values are known from
// a load (the window's Save): connect, send push's modified rows and the
// apply, and read every writable row back on the same connection. Nothing
// is read before; task.before is known. When the apply or the read-back is
// unanswered the task ends with readBackCut(), and nothing is read again.
void AddWriteAfterLoad(DeviceTask& task, const DeviceSettings& known, const DeviceSettings& push);

// The keys of the rows a task's push sent whose value the device holds
// otherwise after the apply than before it.
std::vector<std::string> ChangedKeys(const DeviceTask& task);
// The keys of sent whose value is otherwise in after than in before.
std::vector<std::string> ChangedKeys(const DeviceSettings& before, const DeviceSettings& after,
                                     const SettingValues& sent);

// The rows that a task's push sent, as KEY and VALUE in table order; none
// when nothing was sent.
SettingValues SentValues(const DeviceTask& task);
// The rows of a table that a push holds, the same way.
SettingValues PushedValues(const DeviceSettings& sent);

// "KEY: sent "X", the device holds "Y"" for each row a task's push sent
// that the device did not keep (NotKept), the password's values masked.
QStringList NotKeptLines(const DeviceTask& task);

// A setting that the apply changed though the push did not send it: its
// key and its values before and after, one character per device byte.
struct UnsentChange {
    QString key;
    QString before;
    QString after;
};
std::vector<UnsentChange> UnsentChangesOf(const DeviceTask& task);
// "KEY: not sent, changed by the apply from "X" to "Y"" for each, the
// password's values masked.
QStringList UnsentChangeLines(const std::vector<UnsentChange>& changes);

// What is known of a device that settings moved and that did not answer
// since at any address it may be at (DEVICE_NOT_SEEN_SINCE), and where to
// look for it.
QString NotSeenSince(const DeviceTask& task);

// Why a task failed, as a short sentence ("failed while reading: ...").
QString DeviceFailure(const DeviceTask& task);
// The same, and for a task that had sent something, what the device may
// hold now: sets pending without their apply, or settings applied that
// could not be read back.
QString WriteFailure(const DeviceTask& task);
