// Comparing what a device holds with wanted settings, sending nothing: the
// reads it takes and the settings that differ. tolvoctl's restore --dry-run
// --only-changed and the window's check of many devices both use it.
#pragma once

#include "VerifiedWrite.h"

#include <vector>

// A wanted setting that the device holds otherwise: its key, what the
// device holds and what is wanted, as a message may quote them (ShownValue:
// the password's values as asterisks).
struct HeldDifference {
    QString key;
    QString held;
    QString wanted;
};

// Adds to task the steps that connect and read the wanted rows (and
// alsoRead) into task.before. Nothing is sent: no set, no apply.
void AddCheckRead(DeviceTask& task, const SettingValues& wanted,
                  const std::vector<ParamRow>& alsoRead = {});

// The wanted settings that held holds otherwise (or not at all), in the
// order of wanted.
std::vector<HeldDifference> HeldDifferences(const SettingValues& wanted,
                                            const DeviceSettings& held);
