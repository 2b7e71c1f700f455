// SPDX-License-Identifier: MIT
#include "CheckCommand.h"

#include "FileName.h"
#include "PlainText.h"
#include "QuizChecker.h"
#include "QuizTexts.h"
#include "Utf8.h"

#include <QStringDecoder>

#include <cerrno>
#include <cstring>

namespace {

// A name holding direction controls cannot reorder the line it starts.
QString shownName(const QString &name)
{
    // A U+FEFF that starts the name stays, as any other character of it.
    QStringDecoder fromUtf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return fromUtf8(Utf8::isolatedIfBidi(FileName::shown(name).toStdString()));
}

} // namespace

int CheckCommand::run(const QStringList &names, const QStringList &paths, std::FILE *out)
{
    bool anyError = false;
    errno = 0;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const auto findings = QuizChecker::checkFile(FileName::toNativePath(paths[i]));
        anyError = anyError || QuizChecker::hasError(findings);
        for (const QuizFinding &finding : findings)
            std::fprintf(out, "%s\n", format(names[i], finding).toLocal8Bit().constData());
    }
    if (std::fflush(out) != 0 || std::ferror(out))
        return reportUnwritable(tr("the findings"));
    return anyError ? 1 : 0;
}

int CheckCommand::reportUnwritable(const QString &what)
{
    std::fprintf(
        stderr, "%s\n",
        qPrintable(
            tr("matchmaker: cannot write %1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)))));
    return 2;
}

QString CheckCommand::format(const QString &name, const QuizFinding &finding)
{
    const QString shown = shownName(name);
    const QString place = finding.line == 0 ? shown : shown + ':' + QString::number(finding.line);
    const char *severity = finding.severity == QuizFinding::Severity::Error ? "error" : "warning";
    return PlainText::forTerminal(place + ": " + severity + ": " + QuizTexts::translated(finding.message));
}
