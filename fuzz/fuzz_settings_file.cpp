// tolvoctl's settings-file reader, fed arbitrary text. A file it accepts
// holds only writable keys with valid values, and reads back the same from
// the text it would write.
#include "FuzzCheck.h"
#include "Messages.h"
#include "ParamRules.h"
#include "SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    QStringList problems;
    const std::optional<SettingsFile> file = ReadSettingsFile(text, problems);
    FUZZ_EXPECT(file.has_value() == problems.isEmpty());
    if (!file)
        return 0;
    const DeviceSettings table;
    for (const auto& [key, value] : file->values) {
        const ConfigParam* row = FindWritableRow(table, key);
        FUZZ_EXPECT(row != nullptr);
        FUZZ_EXPECT(ValueProblem(*row, value).isEmpty());
    }
    QStringList again;
    const std::optional<SettingsFile> reread = ReadSettingsFile(SettingsFileJson(*file), again);
    FUZZ_EXPECT(reread && reread->values == file->values);
    return 0;
}
