#include "BoundedRead.h"

std::optional<QByteArray> ReadAtMost(QFile& file, qint64 limit, bool& tooLarge)
{
    QByteArray bytes;
    bool failed = false;
    // A pipe gives what it has at a time: read until its end, or past the limit.
    while (bytes.size() <= limit) {
        const QByteArray part = file.read(limit + 1 - bytes.size());
        if (part.isEmpty()) {
            // On Windows a pipe whose writer has gone ends in an error (a
            // broken pipe): for a pipe that is its end, as readAll takes it.
            failed = file.error() != QFileDevice::NoError && !file.isSequential();
            break;
        }
        bytes += part;
    }
    tooLarge = bytes.size() > limit;
    if (tooLarge || failed)
        return std::nullopt;
    return bytes;
}
