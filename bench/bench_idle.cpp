// SPDX-License-Identifier: MIT
// Prints the processor time the program uses while it idles with its banner running: started in
// DATA_DIR as a person starts it, left alone for 3 s, then its user and system time (all its
// threads, from /proc) is read before and after SECONDS more. Target: at most 0.03 s in 30 s.
//
// Usage: bench_idle MATCHMAKER DATA_DIR [SECONDS]   (30 s by default)
// Run it under xvfb-run with QT_QPA_PLATFORM=xcb for a real X server, and with a sound server if
// there is one, as the program would run on a desktop.
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>
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

// User plus system time of the process so far, in seconds; negative once it has ended.
double processorSeconds(pid_t process)
{
    std::ifstream file("/proc/" + std::to_string(process) + "/stat");
    const std::string stat((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    // The fields after the command name, which is in parentheses and may hold spaces.
    const auto afterName = stat.rfind(')');
    if (afterName == std::string::npos)
        return -1;
    std::istringstream fields(stat.substr(afterName + 2));
    std::vector<std::string> values((std::istream_iterator<std::string>(fields)),
                                    std::istream_iterator<std::string>());
    // utime and stime are fields 14 and 15 of the line, 12 and 13 after the name.
    if (values.size() < 13 || values[0] == "Z")
        return -1;
    return static_cast<double>(std::stoll(values[11]) + std::stoll(values[12]))
        / static_cast<double>(sysconf(_SC_CLK_TCK));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s MATCHMAKER DATA_DIR [SECONDS]\n", argv[0]);
        return 2;
    }
    const int seconds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 30;
    char *program = realpath(argv[1], nullptr);
    if (!program || chdir(argv[2]) != 0) {
        std::perror(program ? argv[2] : argv[1]);
        return 2;
    }
    char *childArgv[] = { program, nullptr };
    pid_t child = 0;
    if (posix_spawn(&child, program, nullptr, nullptr, childArgv, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[1]);
        return 2;
    }
    sleepSeconds(SettleSeconds);
    const double before = processorSeconds(child);
    sleepSeconds(seconds);
    const double after = processorSeconds(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    if (before < 0 || after < 0) {
        std::fprintf(stderr, "%s ended before the measurement did\n", argv[1]);
        return 2;
    }

    const double used = after - before;
    const double target = TargetSecondsPer30 * seconds / 30;
    std::printf("platform %s: %.2f s of processor time in %d s of idling with the banner running "
                "(target <= %.2f s, %s)\n",
                std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default", used, seconds,
                target, used <= target + 1e-9 ? "met" : "NOT MET");
    return 0;
}
