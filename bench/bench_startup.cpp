// SPDX-License-Identifier: MIT
// Prints how long the program takes from process start to its window shown with question 1 in
// place, and its peak resident memory, beside the same figures for an empty Qt window of the same
// size; the median of several runs of each, and the ratios. Targets: at most 1.5 times the bare
// window's time and 1.3 times its memory.
//
// Usage: bench_startup MATCHMAKER BARE_WINDOW DATA_DIR [RUNS]
// The platform is whatever QT_QPA_PLATFORM says (offscreen when unset); run it under xvfb-run
// with QT_QPA_PLATFORM=xcb to include a real X server.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

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

Run runOnce(const std::string &program)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        std::exit(2);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    char *argv[] = { const_cast<char *>(program.c_str()), nullptr };

    const long long started = monotonicNs();
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        std::exit(2);
    }
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
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || at == std::string::npos) {
        std::fprintf(stderr, "%s did not report its window (status %d)\n", program.c_str(), status);
        std::exit(2);
    }
    const long long shown = std::stoll(output.substr(at + 6));
    return { static_cast<double>(shown - started) / 1e6, usage.ru_maxrss };
}

template<typename T>
T median(std::vector<T> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s MATCHMAKER BARE_WINDOW DATA_DIR [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 15;
    if (chdir(argv[3]) != 0) {
        std::perror(argv[3]);
        return 2;
    }
    setenv("MATCHMAKER_STARTUP_PROBE", "1", 1);
    setenv("QT_QPA_PLATFORM", std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "offscreen",
           1);

    std::vector<double> appMs, bareMs;
    std::vector<long> appKiB, bareKiB;
    runOnce(argv[1]); // warm the page cache for both before measuring
    runOnce(argv[2]);
    for (int i = 0; i < runs; ++i) {
        const Run app = runOnce(argv[1]);
        const Run bare = runOnce(argv[2]);
        appMs.push_back(app.milliseconds);
        appKiB.push_back(app.peakKiB);
        bareMs.push_back(bare.milliseconds);
        bareKiB.push_back(bare.peakKiB);
    }

    const double timeRatio = median(appMs) / median(bareMs);
    const double memoryRatio = static_cast<double>(median(appKiB)) / static_cast<double>(median(bareKiB));
    std::printf("platform %s, median of %d runs\n", std::getenv("QT_QPA_PLATFORM"), runs);
    std::printf("matchmaker:  %.1f ms to window shown, peak resident %ld KiB\n", median(appMs),
                median(appKiB));
    std::printf("bare window: %.1f ms to window shown, peak resident %ld KiB\n", median(bareMs),
                median(bareKiB));
    std::printf("ratios: time %.2fx (target <= 1.5x, %s), memory %.2fx (target <= 1.3x, %s)\n", timeRatio,
                timeRatio <= 1.5 ? "met" : "NOT MET", memoryRatio, memoryRatio <= 1.3 ? "met" : "NOT MET");
    return 0;
}
