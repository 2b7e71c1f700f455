// SPDX-License-Identifier: MIT
// Prints what start-up costs the program beside an empty Qt window of the same size, in adjacent
// pairs (the program, then the empty window), as medians of the pairs:
// - from inside, where a person looks: the time from process start to the window painted with
//   question 1 in place, and the peak resident memory until then (the program reports the paint
//   and ends); without a session bus, and again with one (dbus-daemon), as on a desktop;
// - from outside, on an X server, for information: the time from process start to the window
//   being mapped, as the X server reports it, and the peak resident memory 2 s later, once the
//   program has loaded its audio plugin and drawn its first banner pictures.
// Target: the paint within 1.3 times the empty window's time, as the median of the pairs' ratios,
// and the memory within 1.3 times its memory.
//
// Usage: bench_startup MATCHMAKER BARE_WINDOW DATA_DIR [PAIRS]   (at least 31 pairs by default)
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
#include <utility>
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

// The session bus the runs see: none, or the address of one the benchmark started.
std::string &busSetting()
{
    static std::string setting;
    return setting;
}

// The environment of this process, with the start-up probe switched on or left out, and the
// session bus of busSetting().
std::vector<char *> environment(bool probe)
{
    static char probeSetting[] = "MATCHMAKER_STARTUP_PROBE=1";
    std::vector<char *> variables;
    for (char **variable = environ; *variable; ++variable) {
        if (std::strncmp(*variable, "MATCHMAKER_STARTUP_PROBE=", 25) != 0
            && std::strncmp(*variable, "DBUS_SESSION_BUS_ADDRESS=", 25) != 0)
            variables.push_back(*variable);
    }
    if (probe)
        variables.push_back(probeSetting);
    if (!busSetting().empty())
        variables.push_back(busSetting().data());
    variables.push_back(nullptr);
    return variables;
}

// A private session bus for the runs that are to see one: dbus-daemon, ended with the benchmark.
class PrivateBus
{
public:
    // Nothing when dbus-daemon cannot be started.
    static std::unique_ptr<PrivateBus> start()
    {
        int pipeFds[2];
        if (pipe(pipeFds) != 0)
            return nullptr;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
        char *argv[] = { const_cast<char *>("dbus-daemon"), const_cast<char *>("--session"),
                         const_cast<char *>("--nofork"), const_cast<char *>("--print-address=1"), nullptr };
        pid_t daemon = 0;
        const bool started = posix_spawnp(&daemon, "dbus-daemon", &actions, nullptr, argv, environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
        close(pipeFds[1]);
        std::string address;
        char c = 0;
        while (started && read(pipeFds[0], &c, 1) == 1 && c != '\n')
            address += c;
        close(pipeFds[0]);
        if (!started)
            return nullptr;
        if (address.empty()) {
            kill(daemon, SIGTERM);
            waitpid(daemon, nullptr, 0);
            return nullptr;
        }
        return std::unique_ptr<PrivateBus>(new PrivateBus(daemon, address));
    }
    ~PrivateBus()
    {
        kill(daemon, SIGTERM);
        waitpid(daemon, nullptr, 0);
    }
    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;

    std::string setting() const { return "DBUS_SESSION_BUS_ADDRESS=" + address; }

private:
    PrivateBus(pid_t daemon, std::string address) : daemon(daemon), address(std::move(address)) { }

    pid_t daemon;
    std::string address;
};

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

// Adjacent pairs of runs: the program's and the empty window's, one after the other.
struct Pairs
{
    std::vector<double> appMs, bareMs, timeRatios, memoryRatios;
    std::vector<long> appKiB, bareKiB;
    void add(const Run &app, const Run &bare)
    {
        appMs.push_back(app.milliseconds);
        bareMs.push_back(bare.milliseconds);
        appKiB.push_back(app.peakKiB);
        bareKiB.push_back(bare.peakKiB);
        timeRatios.push_back(app.milliseconds / bare.milliseconds);
        memoryRatios.push_back(static_cast<double>(app.peakKiB) / static_cast<double>(bare.peakKiB));
    }
};

const char *verdict(double ratio, double target)
{
    return ratio <= target ? "met" : "NOT MET";
}

// The medians; with a target, the verdict on the median of the pairs' ratios.
void printPairs(const char *what, const char *memoryWhen, const Pairs &pairs, bool judged)
{
    std::printf("%s, median of %zu pairs:\n", what, pairs.appMs.size());
    std::printf("  matchmaker:  %.1f ms, peak resident %ld KiB %s\n", median(pairs.appMs),
                median(pairs.appKiB), memoryWhen);
    std::printf("  bare window: %.1f ms, peak resident %ld KiB %s\n", median(pairs.bareMs),
                median(pairs.bareKiB), memoryWhen);
    const double time = median(pairs.timeRatios);
    const double memory = median(pairs.memoryRatios);
    std::vector<double> sorted = pairs.timeRatios;
    std::sort(sorted.begin(), sorted.end());
    std::printf("  ratios: time %.2fx (quartiles %.2f and %.2f), memory %.2fx", time,
                sorted[sorted.size() / 4], sorted[sorted.size() * 3 / 4], memory);
    if (judged)
        std::printf("; targets <= 1.3x: time %s, memory %s", verdict(time, 1.3), verdict(memory, 1.3));
    std::printf("\n");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s MATCHMAKER BARE_WINDOW DATA_DIR [PAIRS]\n", argv[0]);
        return 2;
    }
    const int pairs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 31;
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

    std::printf("platform %s; each pair the program, then the empty window\n",
                std::getenv("QT_QPA_PLATFORM"));
    paintRun(app); // warm the page cache for both before measuring
    paintRun(bare);
    // One pair: the program first, then the empty window (arguments have no order of their own).
    const auto paintPair = [&](Pairs &into) {
        const Run appRun = paintRun(app);
        into.add(appRun, paintRun(bare));
    };
    Pairs painted;
    for (int i = 0; i < pairs; ++i)
        paintPair(painted);
    printPairs("window painted with question 1, no session bus", "until then", painted, true);

    if (const auto bus = PrivateBus::start()) {
        busSetting() = bus->setting();
        Pairs withBus;
        for (int i = 0; i < pairs; ++i)
            paintPair(withBus);
        busSetting().clear();
        printPairs("window painted with question 1, with a session bus", "until then", withBus, true);
    } else {
        std::printf("with a session bus: not measured, dbus-daemon cannot be started\n");
    }

    if (!watcher) {
        std::printf("window mapped: not measured, it needs an X server (xvfb-run, QT_QPA_PLATFORM=xcb)\n");
        return 0;
    }
    Pairs mapped;
    for (int i = 0; i < pairs; ++i) {
        const Run appRun = mapRun(app, *watcher);
        mapped.add(appRun, mapRun(bare, *watcher));
    }
    printPairs("for information: window mapped, no session bus", "2 s later", mapped, false);
    return 0;
}
