// SPDX-License-Identifier: MIT
#include "ExportCommand.h"

#include "CheckCommand.h"
#include "ExportStop.h"
#include "FileName.h"
#include "PlainText.h"
#include "QuizChecker.h"
#include "QuizFileError.h"
#include "QuizTexts.h"
#include "WebExport.h"

#include <QFileInfo>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <optional>
#include <thread>
#include <vector>

#include <pthread.h>
#include <unistd.h>

namespace {

// As a shell reports a program ended by Ctrl+C.
constexpr int InterruptedStatus = 130;

void printLine(std::FILE *to, const QString &line)
{
    std::fprintf(to, "%s\n", PlainText::forTerminal(line).toLocal8Bit().constData());
}

// The quizzes of the files, after their findings are printed; none when one of them has an error.
std::optional<std::vector<WebExport::Quiz>> readQuizzes(const ExportCommand::Request &request, std::FILE *err)
{
    std::vector<WebExport::Quiz> quizzes;
    bool refused = false;
    for (qsizetype i = 0; i < request.paths.size(); ++i) {
        const std::string path = FileName::toNativePath(request.paths[i]);
        const auto findings = QuizChecker::checkFile(path);
        for (const QuizFinding &finding : findings)
            std::fprintf(err, "%s\n",
                         CheckCommand::format(request.names[i], finding).toLocal8Bit().constData());
        if (QuizChecker::hasError(findings)) {
            refused = true;
            continue;
        }
        try {
            quizzes.push_back(
                { FileName::shown(QFileInfo(request.names[i]).fileName()), LoadQuizLines(path) });
            // The export refuses them all; the rest need not take the memory.
            if (WebExport::quizBytes(quizzes) > WebExport::MaxQuizBytes)
                break;
        } catch (const QuizFileError &error) {
            printLine(err, QuizTexts::describe(error));
            refused = true;
        }
    }
    if (refused)
        return std::nullopt;
    return quizzes;
}

// Ctrl+C, SIGTERM, SIGHUP and SIGQUIT, taken by a thread of their own: while the export is written
// it is given up at once, what was written is removed, and the program ends with status 130; while
// the new export is put in place, which takes a moment, the signal waits for it, and the program
// goes on to print the path and then ends with status 130.
class InterruptWatch
{
public:
    explicit InterruptWatch(ExportStop &stop) : stop(stop)
    {
        sigemptyset(&watched);
        for (const int signal : { SIGINT, SIGTERM, SIGHUP, SIGQUIT })
            sigaddset(&watched, signal);
        pthread_sigmask(SIG_BLOCK, &watched, nullptr);
        watcher = std::thread([this] { watch(); });
    }
    ~InterruptWatch()
    {
        finished = true;
        pthread_kill(watcher.native_handle(), SIGINT);
        watcher.join();
    }
    InterruptWatch(const InterruptWatch &) = delete;
    InterruptWatch &operator=(const InterruptWatch &) = delete;

    // Returns only by ending the program, once a request has given the export up.
    [[noreturn]] void waitForEnd()
    {
        watcher.join();
        std::_Exit(InterruptedStatus);
    }

private:
    void watch()
    {
        for (int received = 0; sigwait(&watched, &received) == 0 && !finished;) {
            if (stop.request()) {
                printLine(stderr, ExportCommand::tr("matchmaker: interrupted; nothing was published."));
                std::_Exit(InterruptedStatus);
            }
        }
    }

    ExportStop &stop;
    sigset_t watched {};
    std::atomic<bool> finished = false;
    std::thread watcher;
};

// MATCHMAKER_TEST_INTERRUPT=before-placing or while-placing raises SIGINT at that moment of the
// export and goes on once it has been taken, so that a test can interrupt there without waiting.
void interruptForTests(ExportStop &stop)
{
    const QByteArray moment = qgetenv("MATCHMAKER_TEST_INTERRUPT");
    if (moment.isEmpty())
        return;
    const auto wanted
        = moment == "before-placing" ? ExportStop::Moment::BeforePlacing : ExportStop::Moment::WhilePlacing;
    stop.setMomentHook([&stop, wanted](ExportStop::Moment reached) {
        if (reached != wanted)
            return;
        ::kill(::getpid(), SIGINT);
        stop.waitForRequest();
    });
}

} // namespace

int ExportCommand::run(const Request &request, std::FILE *out, std::FILE *err)
{
    ExportStop stop;
    InterruptWatch watch(stop);
    interruptForTests(stop);
    const auto quizzes = readQuizzes(request, err);
    if (!quizzes) {
        printLine(err, tr("matchmaker: nothing was published, as a quiz file has an error."));
        return 1;
    }
    const WebExport::Sources sources { QStringLiteral("."), request.catalogueFolder, request.catalogueName };
    const WebExport::Result result = request.singleFile
        ? WebExport::writeSingleFile(request.folder, *quizzes, sources, { request.paths, &stop })
        : WebExport::write(request.folder, *quizzes, sources, { request.paths, &stop });
    if (!result.error.isEmpty() && stop.requested())
        watch.waitForEnd();
    for (const QString &warning : result.warnings)
        printLine(err, warning);
    if (!result.error.isEmpty()) {
        printLine(err, QStringLiteral("matchmaker: ") + result.error);
        return 1;
    }
    printLine(out, FileName::shown(result.indexPath));
    std::fflush(out);
    if (std::ferror(out))
        return CheckCommand::reportUnwritable(tr("the page's path"));
    if (!stop.requested())
        return 0;
    printLine(err, tr("matchmaker: interrupted once the page was in place; it stays published."));
    return InterruptedStatus;
}
