#include "SmallDisk.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStorageInfo>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <sched.h>
#include <sys/mount.h>
#endif

QString OwnMountNamespace()
{
#ifdef Q_OS_LINUX
    if (unshare(CLONE_NEWNS) != 0)
        return "no mount namespace of its own (root is needed): " + qt_error_string(errno);
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return "the mounts cannot be made private: " + qt_error_string(errno);
    return {};
#else
    return "a full disk is a tmpfs in a mount namespace, which only Linux has";
#endif
}

bool MountSmallDisk(const QString& folder)
{
#ifdef Q_OS_LINUX
    return QDir().mkpath(folder) &&
           mount("tolvo-full", qPrintable(folder), "tmpfs", 0, "size=4m,mode=0700") == 0;
#else
    Q_UNUSED(folder);
    return false;
#endif
}

void Unmount(const QString& folder)
{
#ifdef Q_OS_LINUX
    umount2(qPrintable(folder), MNT_DETACH);
#else
    Q_UNUSED(folder);
#endif
}

bool MakeReadOnly(const QString& folder)
{
#ifdef Q_OS_LINUX
    return mount("tolvo-full", qPrintable(folder), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
#else
    Q_UNUSED(folder);
    return false;
#endif
}

bool FillDisk(const QString& folder, int pages)
{
    const qint64 page = QStorageInfo(folder).blockSize();
    QFile filler(folder + "/filler");
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(page, 'f');
    while (filler.write(block) == block.size()) {
    }
    if (!filler.resize((filler.size() / page - pages) * page))
        return false;
    return QStorageInfo(folder).bytesAvailable() == pages * page;
}
