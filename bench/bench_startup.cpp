// Start-up of window programs under X: the time from exec to the first
// top-level window being mapped, and the peak resident set size by then.
//   bench_startup RUNS PROGRAM...   (DISPLAY names the X server)
// The programs take turns, so that a machine's slow moments fall on all of
// them alike; prints the median of each figure for each program.
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

bool RunOnce(xcb_connection_t* connection, char* program, Sample& sample)
{
    char* command[] = {program, nullptr};
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
        std::fprintf(stderr, "usage: bench_startup RUNS PROGRAM...\n");
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

    const int programs = argc - 2;
    std::vector<std::vector<double>> times(programs);
    std::vector<std::vector<long>> sizes(programs);
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < programs; ++p) {
            Sample sample{};
            if (!RunOnce(connection, argv[2 + p], sample)) {
                std::fprintf(stderr, "bench_startup: %s mapped no window\n", argv[2 + p]);
                return 1;
            }
            times[p].push_back(sample.ms);
            sizes[p].push_back(sample.maxRssKb);
        }
    }
    for (int p = 0; p < programs; ++p) {
        const double ms = Median(times[p]);
        const long kb = Median(sizes[p]);
        std::printf("%-40s runs %d  start-up %6.1f ms  peak RSS %6ld KiB", argv[2 + p], runs, ms,
                    kb);
        if (p > 0)
            std::printf("  (x%.2f time, x%.3f memory of the first)", ms / Median(times[0]),
                        double(kb) / double(Median(sizes[0])));
        std::printf("\n");
    }
    xcb_disconnect(connection);
    return 0;
}
