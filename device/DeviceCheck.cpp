#include "DeviceCheck.h"

#include "PasswordMask.h"

#include <algorithm>

void AddCheckRead(DeviceTask& task, const SettingValues& wanted,
                  const std::vector<ParamRow>& alsoRead)
{
    std::vector<ParamRow> rows = alsoRead;
    for (const ParamRow row : RowsOf(wanted))
        if (std::none_of(rows.begin(), rows.end(), [row](ParamRow each) {
                return each.group == row.group && each.index == row.index;
            }))
            rows.push_back(row);
    task.ConnectAndRead(task.before, rows);
}

std::vector<HeldDifference> HeldDifferences(const SettingValues& wanted, const DeviceSettings& held)
{
    std::vector<HeldDifference> differences;
    for (const auto& [key, value] : Differences(wanted, held))
        differences.push_back({key, ShownValue(key, HeldValue(held, key)), ShownValue(key, value)});
    return differences;
}
