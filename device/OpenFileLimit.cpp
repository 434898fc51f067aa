#include "OpenFileLimit.h"

#include <QtGlobal>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/resource.h>
#endif

#ifdef Q_OS_UNIX
namespace {

// Past this limit the descriptors open are not counted: there is room.
constexpr long COUNTED_LIMIT = 65536;

long OpenDescriptors(long limit)
{
    long open = 0;
    for (int fd = 0; fd < limit; ++fd)
        open += fcntl(fd, F_GETFD) != -1 ? 1 : 0;
    return open;
}

} // namespace
#endif

void RaiseOpenFileLimit()
{
#ifdef Q_OS_UNIX
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == limit.rlim_max)
        return;
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit); // where it is refused, the limit stays as it was
#endif
}

long OpenFileLimit()
{
#ifdef Q_OS_UNIX
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return 0;
    return static_cast<long>(std::min<rlim_t>(limit.rlim_cur, rlim_t(1) << 30));
#else
    return 0;
#endif
}

int ConnectionsThatFit(int wanted)
{
    wanted = std::max(wanted, 1);
#ifdef Q_OS_UNIX
    const long limit = OpenFileLimit();
    if (limit == 0 || limit > COUNTED_LIMIT)
        return wanted;
    const long room = limit - OpenDescriptors(limit) - DESCRIPTORS_KEPT_FREE;
    return static_cast<int>(std::clamp<long>(room, 1, wanted));
#else
    return wanted;
#endif
}
