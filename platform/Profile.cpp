#include "Profile.h"

#include <QCoreApplication>
#include <QDir>
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

// Writes the entry through to the store and checks that it got there; Qt
// keeps the earlier file where the write fails.
bool Store(const QString& section, const QString& entry, const QVariant& value)
{
    if (!ProfileRooted())
        return true;
    const auto profile = OpenProfile();
    profile->setValue(Key(section, entry), value);
    profile->sync();
    return profile->status() == QSettings::NoError;
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
    // A 32-bit entry, whether it reads back signed or unsigned (the registry
    // keeps a DWORD); text that is no number, or a number beyond 32 bits,
    // gives the default rather than some other value.
    bool ok = false;
    const qlonglong value = OpenProfile()->value(Key(section, entry)).toLongLong(&ok);
    if (!ok || value < INT32_MIN || value > qlonglong(UINT32_MAX))
        return defaultValue;
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

bool WriteProfileInt(const QString& section, const QString& entry, int32_t value)
{
    return Store(section, entry, value);
}

QString GetProfileString(const QString& section, const QString& entry, const QString& defaultValue)
{
    if (!ProfileRooted())
        return defaultValue;
    const QVariant value = OpenProfile()->value(Key(section, entry));
    return value.typeId() == QMetaType::QString ? value.toString() : defaultValue;
}

bool WriteProfileString(const QString& section, const QString& entry, const QString& value)
{
    return Store(section, entry, value);
}

QString ProfileLocation()
{
    return QDir::toNativeSeparators(OpenProfile()->fileName());
}

void ResetProfileRoot()
{
    registryKey.clear();
}
