#include "BoundedRead.h"

std::optional<QByteArray> ReadAtMost(QFile& file, qint64 limit, bool& tooLarge)
{
    QByteArray bytes;
    // A pipe gives what it has at a time: read until its end, or past the limit.
    while (bytes.size() <= limit) {
        const QByteArray part = file.read(limit + 1 - bytes.size());
        if (part.isEmpty())
            break;
        bytes += part;
    }
    tooLarge = bytes.size() > limit;
    if (tooLarge || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}
