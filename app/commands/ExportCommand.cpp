// SPDX-License-Identifier: MIT
#include "ExportCommand.h"

#include "CheckCommand.h"
#include "FileName.h"
#include "PlainText.h"
#include "QuizChecker.h"
#include "QuizFileError.h"
#include "QuizTexts.h"
#include "WebExport.h"

#include <QFileInfo>

#include <csignal>
#include <optional>
#include <vector>

namespace {

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

// Ctrl+C or a closed terminal waits until the folder is whole or gone: the new export is put in
// place in a moment, or removed, and the earlier one is never left half-replaced.
class HeldSignals
{
public:
    HeldSignals()
    {
        sigemptyset(&held);
        for (const int signal : { SIGINT, SIGTERM, SIGHUP, SIGQUIT })
            sigaddset(&held, signal);
        sigprocmask(SIG_BLOCK, &held, &before);
    }
    ~HeldSignals() { sigprocmask(SIG_SETMASK, &before, nullptr); }
    HeldSignals(const HeldSignals &) = delete;
    HeldSignals &operator=(const HeldSignals &) = delete;

private:
    sigset_t held {};
    sigset_t before {};
};

} // namespace

int ExportCommand::run(const Request &request, std::FILE *out, std::FILE *err)
{
    const auto quizzes = readQuizzes(request, err);
    if (!quizzes) {
        printLine(err, tr("matchmaker: nothing was published, as a quiz file has an error."));
        return 1;
    }
    WebExport::Result result;
    {
        const HeldSignals held;
        result = WebExport::write(request.folder, *quizzes,
                                  { QStringLiteral("."), request.catalogueFolder, request.catalogueName });
    }
    for (const QString &warning : result.warnings)
        printLine(err, warning);
    if (!result.error.isEmpty()) {
        printLine(err, QStringLiteral("matchmaker: ") + result.error);
        return 1;
    }
    printLine(out, result.indexPath);
    std::fflush(out);
    return std::ferror(out) ? CheckCommand::reportUnwritable(tr("the page's path")) : 0;
}
