// SPDX-License-Identifier: MIT
#include "CheckCommand.h"

#include "PlainText.h"
#include "QuizChecker.h"
#include "QuizTexts.h"

#include <QFile>

int CheckCommand::run(const QStringList &names, const QStringList &paths, std::FILE *out)
{
    bool anyError = false;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const auto findings = QuizChecker::checkFile(QFile::encodeName(paths[i]).toStdString());
        anyError = anyError || QuizChecker::hasError(findings);
        for (const QuizFinding &finding : findings)
            std::fprintf(out, "%s\n", format(names[i], finding).toLocal8Bit().constData());
    }
    std::fflush(out);
    return anyError ? 1 : 0;
}

QString CheckCommand::format(const QString &name, const QuizFinding &finding)
{
    const QString place = finding.line == 0 ? name : name + ':' + QString::number(finding.line);
    const char *severity = finding.severity == QuizFinding::Severity::Error ? "error" : "warning";
    return PlainText::forTerminal(place + ": " + severity + ": " + QuizTexts::translated(finding.message));
}
