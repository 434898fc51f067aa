// Start-up of a window program under X: the time from exec to its first
// top-level window being mapped, and the peak resident set size by then.
//   bench_startup RUNS PROGRAM [ARGUMENTS...]   (DISPLAY names the X server)
// Prints the median of each over the runs.
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int MAP_TIMEOUT_MS = 20000;

struct Sample {
    double ms;
    long maxRssKb;
};

// Waits for a top-level window (not an override-redirect one) to be mapped.
bool AwaitMap(xcb_connection_t* connection)
{
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(MAP_TIMEOUT_MS);
    pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (std::chrono::steady_clock::now() < deadline) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event,
                                                                                   &std::free);
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY &&
                !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect)
                return true;
        }
        poll(&fd, 1, 50);
    }
    return false;
}

bool RunOnce(xcb_connection_t* connection, char** command, Sample& sample)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(command[0], command);
        _exit(127);
    }
    const bool mapped = AwaitMap(connection);
    sample.ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    sample.maxRssKb = usage.ru_maxrss;
    return mapped;
}

template <class T> T Median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup RUNS PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "bench_startup: no X server (DISPLAY)\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    std::vector<double> times;
    std::vector<long> sizes;
    for (int i = 0; i < runs; ++i) {
        Sample sample{};
        if (!RunOnce(connection, argv + 2, sample)) {
            std::fprintf(stderr, "bench_startup: %s mapped no window\n", argv[2]);
            return 1;
        }
        times.push_back(sample.ms);
        sizes.push_back(sample.maxRssKb);
    }
    std::printf("%-40s runs %d  start-up %.1f ms  peak RSS %ld KiB (medians)\n", argv[2], runs,
                Median(times), Median(sizes));
    xcb_disconnect(connection);
    return 0;
}
