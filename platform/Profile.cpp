#include "Profile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace {

QString registryKey;

std::unique_ptr<QSettings> OpenProfile()
{
    const QString appName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, registryKey,
                                       appName);
}

QString Key(const QString& section, const QString& entry)
{
    return section + '/' + entry;
}

} // namespace

void SetRegistryKey(const QString& key)
{
    registryKey = key;
}

bool ProfileRooted()
{
    return !registryKey.isEmpty();
}

int32_t GetProfileInt(const QString& section, const QString& entry, int32_t defaultValue)
{
    if (!ProfileRooted())
        return defaultValue;
    bool ok = false;
    const int32_t value = OpenProfile()->value(Key(section, entry)).toInt(&ok);
    return ok ? value : defaultValue;
}

void WriteProfileInt(const QString& section, const QString& entry, int32_t value)
{
    if (ProfileRooted())
        OpenProfile()->setValue(Key(section, entry), value);
}

void ResetProfileRoot()
{
    registryKey.clear();
}
