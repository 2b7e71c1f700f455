// SPDX-License-Identifier: MIT
// Prints the processor time the program uses while it idles with its banner running: started in
// DATA_DIR as a person starts it and left alone, the time all its threads have run (from /proc, to
// the nanosecond) is read over two windows of SECONDS: from 3 s after the start, while the banner
// still decodes each picture the first time it is drawn, then settled, once it shows kept
// pictures. Several runs, each a fresh start, and their medians. Target: at most 0.03 s in 30 s
// of idling, the settled window.
//
// Usage: bench_idle MATCHMAKER DATA_DIR [SECONDS [RUNS]]   (30 s and 3 runs by default)
// Run it under xvfb-run with QT_QPA_PLATFORM=xcb for a real X server, and with a sound server if
// there is one, as the program would run on a desktop.
#include "FreshSettings.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int SettleSeconds = 3;
constexpr double TargetSecondsPer30 = 0.03;

void sleepSeconds(int seconds)
{
    timespec left { seconds, 0 };
    while (nanosleep(&left, &left) != 0 && errno == EINTR) { }
}

// The time the process's threads have spent on a processor, in seconds; negative once it has
// ended. Each thread's schedstat starts with its run time in nanoseconds.
double processorSeconds(pid_t process)
{
    std::error_code error;
    std::filesystem::directory_iterator tasks("/proc/" + std::to_string(process) + "/task", error);
    if (error)
        return -1;
    long long nanoseconds = 0;
    for (const auto &task : tasks) {
        std::ifstream schedstat(task.path() / "schedstat");
        long long running = 0;
        if (schedstat >> running)
            nanoseconds += running;
    }
    return static_cast<double>(nanoseconds) / 1e9;
}

struct Windows
{
    double afterStart;
    double settled;
};

Windows idleRun(char *program, int seconds)
{
    char *childArgv[] = { program, nullptr };
    pid_t child = 0;
    if (posix_spawn(&child, program, nullptr, nullptr, childArgv, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program);
        std::exit(2);
    }
    sleepSeconds(SettleSeconds);
    const double start = processorSeconds(child);
    sleepSeconds(seconds);
    const double middle = processorSeconds(child);
    sleepSeconds(seconds);
    const double end = processorSeconds(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    if (start < 0 || middle < 0 || end < 0) {
        std::fprintf(stderr, "%s ended before the measurement did\n", program);
        std::exit(2);
    }
    return { middle - start, end - middle };
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s MATCHMAKER DATA_DIR [SECONDS [RUNS]]\n", argv[0]);
        return 2;
    }
    const int seconds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 30;
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 3;
    useFreshSettings();
    char *program = realpath(argv[1], nullptr);
    if (!program || chdir(argv[2]) != 0) {
        std::perror(program ? argv[2] : argv[1]);
        return 2;
    }

    std::vector<double> afterStart, settled;
    for (int run = 0; run < runs; ++run) {
        const Windows used = idleRun(program, seconds);
        afterStart.push_back(used.afterStart);
        settled.push_back(used.settled);
    }
    const double target = TargetSecondsPer30 * seconds / 30;
    std::printf("platform %s, processor time in %d s with the banner running, median of %d runs:\n",
                std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default", seconds, runs);
    std::printf("from 3 s after start-up, first decodes included: %.3f s\n", median(afterStart));
    std::printf("settled, idling: %.3f s (target <= %.2f s, %s)\n", median(settled), target,
                median(settled) <= target ? "met" : "NOT MET");
    return 0;
}
