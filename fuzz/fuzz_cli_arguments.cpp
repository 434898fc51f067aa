// tolvoctl's parsers of what a user types: an address, a range, KEY=VALUE.
// The first byte chooses the parser; the rest is the argument, as Latin-1.
// Whatever it is, the parser either says what is wrong or gives a result
// that keeps its promises.
#include "AddressList.h"
#include "FuzzCheck.h"
#include "Messages.h"
#include "ParamRules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QString text =
        QString::fromLatin1(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    QString error;
    switch (data[0] % 3) {
    case 0: {
        uint32_t address = 0;
        const bool ok = ParseAddressArgument(text, address, error);
        FUZZ_EXPECT(ok == error.isEmpty());
        if (ok)
            FUZZ_EXPECT(ParseDottedAddress(QString::fromStdString(FormatDottedAddress(address))) ==
                        address);
        break;
    }
    case 1: {
        std::vector<uint32_t> addresses;
        const bool ok = ParseRange(text, addresses, error);
        FUZZ_EXPECT(ok == error.isEmpty());
        FUZZ_EXPECT(addresses.size() <= std::size_t(MAX_SCAN_ADDRESSES));
        FUZZ_EXPECT(ok || addresses.empty());
        for (std::size_t i = 1; i < addresses.size(); ++i)
            FUZZ_EXPECT(addresses[i] == addresses[i - 1] + 1);
        break;
    }
    default: {
        Assignment assignment;
        const bool ok = ParseAssignment(text, assignment, error);
        FUZZ_EXPECT(ok == error.isEmpty());
        if (ok) {
            const DeviceSettings table;
            const ConfigParam* row = FindWritableRow(table, assignment.key);
            FUZZ_EXPECT(row != nullptr && IsValidValue(*row, assignment.value));
        }
    }
    }
    return 0;
}
