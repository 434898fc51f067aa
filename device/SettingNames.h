// Each setting's name as the window's pages show it in English ("Wi-Fi
// channel" for CHANNEL), for what is read without the window: a
// commissioning record's JSON. Where a name is shown to a person, the
// window's catalogue gives it in the person's language, found by its key.
#pragma once

#include <QString>

// The English name of the setting with this protocol key; empty for a key
// that is no setting.
QString EnglishSettingName(const QString& key);
