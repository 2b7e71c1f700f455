// SPDX-License-Identifier: MIT
// Prints what start-up costs the program beside an empty Qt window of the same size, each run in
// turn with the other, as medians of several runs with their ratios:
// - from inside: the time from process start to the window painted with question 1 in place, and
//   the peak resident memory until then (the program reports the paint and ends);
// - from outside, on an X server: the time from process start to the window being mapped, as the
//   X server reports it, and the peak resident memory 2 s later, once the program has loaded its
//   audio plugin and drawn its first banner pictures.
// Targets: the paint within 1.5 times the empty window's time and 1.3 times its memory; the map
// and the memory 2 s after it within 1.3 times.
//
// Usage: bench_startup MATCHMAKER BARE_WINDOW DATA_DIR [RUNS]
// The platform is whatever QT_QPA_PLATFORM says (offscreen when unset); run it under xvfb-run
// with QT_QPA_PLATFORM=xcb to include a real X server, which the outside figures need.
#include <xcb/xcb.h>

#include "FreshSettings.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr long long SettleNs = 2000000000LL;
constexpr int MapTimeoutMs = 30000;

struct Run
{
    double milliseconds;
    long peakKiB;
};

long long monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

[[noreturn]] void fail(const std::string &program, const char *what)
{
    std::fprintf(stderr, "%s: %s\n", program.c_str(), what);
    std::exit(2);
}

// The environment of this process, with the start-up probe switched on or left out.
std::vector<char *> environment(bool probe)
{
    static char probeSetting[] = "MATCHMAKER_STARTUP_PROBE=1";
    std::vector<char *> variables;
    for (char **variable = environ; *variable; ++variable) {
        if (std::strncmp(*variable, "MATCHMAKER_STARTUP_PROBE=", 25) != 0)
            variables.push_back(*variable);
    }
    if (probe)
        variables.push_back(probeSetting);
    variables.push_back(nullptr);
    return variables;
}

pid_t spawn(const std::string &program, posix_spawn_file_actions_t *actions, bool probe)
{
    char *argv[] = { const_cast<char *>(program.c_str()), nullptr };
    std::vector<char *> envp = environment(probe);
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), actions, nullptr, argv, envp.data()) != 0)
        fail(program, "cannot start");
    return child;
}

// The program reports its first paint on standard output and ends.
Run paintRun(const std::string &program)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        std::exit(2);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);

    const long long started = monotonicNs();
    const pid_t child = spawn(program, &actions, true);
    close(pipeFds[1]);
    std::string output;
    char buffer[256];
    for (ssize_t got; (got = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(got));
    close(pipeFds[0]);
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    posix_spawn_file_actions_destroy(&actions);

    const auto at = output.find("shown ");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || at == std::string::npos)
        fail(program, "did not report its window");
    const long long shown = std::stoll(output.substr(at + 6));
    return { static_cast<double>(shown - started) / 1e6, usage.ru_maxrss };
}

// The highest resident memory the process has had so far.
long peakResidentKiB(pid_t process)
{
    std::ifstream status("/proc/" + std::to_string(process) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

// Watches the X server for top-level windows being mapped, as a window manager would.
class MapWatcher
{
public:
    // Nothing when there is no X server to connect to.
    static std::unique_ptr<MapWatcher> connect()
    {
        if (!std::getenv("DISPLAY"))
            return nullptr;
        xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection)) {
            xcb_disconnect(connection);
            return nullptr;
        }
        return std::unique_ptr<MapWatcher>(new MapWatcher(connection));
    }
    ~MapWatcher() { xcb_disconnect(connection); }
    MapWatcher(const MapWatcher &) = delete;
    MapWatcher &operator=(const MapWatcher &) = delete;

    // The moment (CLOCK_MONOTONIC, ns) a window of the process is mapped; nothing on a time-out.
    std::optional<long long> waitForMap(pid_t process)
    {
        const long long deadline = monotonicNs() + MapTimeoutMs * 1000000LL;
        pollfd watched { xcb_get_file_descriptor(connection), POLLIN, 0 };
        for (;;) {
            const long long now = monotonicNs();
            while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
                const bool ours = isMapOf(event, process);
                std::free(event);
                if (ours)
                    return now;
            }
            if (xcb_connection_has_error(connection) || now >= deadline)
                return std::nullopt;
            poll(&watched, 1, static_cast<int>((deadline - now) / 1000000) + 1);
        }
    }

private:
    explicit MapWatcher(xcb_connection_t *connection) : connection(connection)
    {
        xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
        const char name[] = "_NET_WM_PID";
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
        pidAtom = reply ? reply->atom : xcb_atom_t { XCB_ATOM_NONE };
        std::free(reply);
    }

    bool isMapOf(const xcb_generic_event_t *event, pid_t process)
    {
        if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY)
            return false;
        const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event);
        if (map->override_redirect)
            return false;
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, map->window, pidAtom, XCB_ATOM_CARDINAL, 0, 1),
            nullptr);
        const bool ours = reply && xcb_get_property_value_length(reply) == 4
            && *static_cast<const uint32_t *>(xcb_get_property_value(reply)) == uint32_t(process);
        std::free(reply);
        return ours;
    }

    xcb_connection_t *connection;
    xcb_atom_t pidAtom = xcb_atom_t { XCB_ATOM_NONE };
};

// The program runs as a person starts it; the X server says when its window is mapped.
Run mapRun(const std::string &program, MapWatcher &watcher)
{
    const long long started = monotonicNs();
    const pid_t child = spawn(program, nullptr, false);
    const std::optional<long long> mapped = watcher.waitForMap(child);
    if (mapped) {
        const long long settled = *mapped + SettleNs;
        const timespec until { static_cast<time_t>(settled / 1000000000LL),
                               static_cast<long>(settled % 1000000000LL) };
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) { }
    }
    const long peak = peakResidentKiB(child);
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    if (!mapped || peak < 0)
        fail(program, "did not map its window");
    return { static_cast<double>(*mapped - started) / 1e6, peak };
}

template<typename T>
T median(std::vector<T> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

struct Series
{
    std::vector<double> ms;
    std::vector<long> kib;
    void add(const Run &run)
    {
        ms.push_back(run.milliseconds);
        kib.push_back(run.peakKiB);
    }
};

const char *verdict(double ratio, double target)
{
    return ratio <= target ? "met" : "NOT MET";
}

void printComparison(const char *event, const char *memoryWhen, const Series &app, const Series &bare,
                     double timeTarget)
{
    std::printf("matchmaker:  %.1f ms to window %s, peak resident %ld KiB %s\n", median(app.ms), event,
                median(app.kib), memoryWhen);
    std::printf("bare window: %.1f ms to window %s, peak resident %ld KiB %s\n", median(bare.ms), event,
                median(bare.kib), memoryWhen);
    const double timeRatio = median(app.ms) / median(bare.ms);
    const double memoryRatio = static_cast<double>(median(app.kib)) / static_cast<double>(median(bare.kib));
    std::printf("ratios, window %s: time %.2fx (target <= %.1fx, %s), memory %.2fx (target <= 1.3x, %s)\n",
                event, timeRatio, timeTarget, verdict(timeRatio, timeTarget), memoryRatio,
                verdict(memoryRatio, 1.3));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s MATCHMAKER BARE_WINDOW DATA_DIR [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 15;
    useFreshSettings();
    // The programs are named from where the benchmark was started, before it enters DATA_DIR.
    char *app = realpath(argv[1], nullptr);
    char *bare = realpath(argv[2], nullptr);
    if (!app || !bare || chdir(argv[3]) != 0) {
        std::perror(!app ? argv[1] : !bare ? argv[2] : argv[3]);
        return 2;
    }
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    setenv("QT_QPA_PLATFORM", platform ? platform : "offscreen", 1);
    const auto watcher
        = std::strcmp(std::getenv("QT_QPA_PLATFORM"), "xcb") == 0 ? MapWatcher::connect() : nullptr;

    Series appPaint, barePaint, appMap, bareMap;
    paintRun(app); // warm the page cache for both before measuring
    paintRun(bare);
    for (int i = 0; i < runs; ++i) {
        appPaint.add(paintRun(app));
        barePaint.add(paintRun(bare));
        if (watcher) {
            appMap.add(mapRun(app, *watcher));
            bareMap.add(mapRun(bare, *watcher));
        }
    }

    std::printf("platform %s, median of %d interleaved runs\n", std::getenv("QT_QPA_PLATFORM"), runs);
    printComparison("painted", "until then", appPaint, barePaint, 1.5);
    if (!watcher) {
        std::printf("window mapped: not measured, it needs an X server (xvfb-run, QT_QPA_PLATFORM=xcb)\n");
        return 0;
    }
    printComparison("mapped", "2 s later", appMap, bareMap, 1.3);
    return 0;
}
