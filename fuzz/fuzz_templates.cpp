// The dialog-template reader, fed arbitrary text: it either says what is
// wrong or gives templates, each under its own id, whose every translatable
// text has a letter.
#include "DialogTemplate.h"
#include "FuzzCheck.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray json(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    const std::optional<ProgramResources> resources = ParseResources(json, &error);
    FUZZ_EXPECT(resources.has_value() == error.isEmpty());
    if (!resources)
        return 0;
    for (const TranslatableText& text : TranslatableTexts(*resources))
        FUZZ_EXPECT(
            std::any_of(text.text.begin(), text.text.end(), [](QChar c) { return c.isLetter(); }));
    for (auto it = resources->dialogs.cbegin(); it != resources->dialogs.cend(); ++it)
        FUZZ_EXPECT(it.key() == it->id); // each found by its own id
    return 0;
}
