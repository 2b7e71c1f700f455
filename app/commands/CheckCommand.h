// SPDX-License-Identifier: MIT
#pragma once

#include "QuizFinding.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

// matchmaker --check: prints each finding of the quiz checker on a line of its own, the way
// compilers do, so that editors and CI can jump to it.
class CheckCommand
{
    Q_DECLARE_TR_FUNCTIONS(CheckCommand)

public:
    // Checks each file (paths, named as typed in names) and prints its findings to out. Returns
    // the exit status: 0 when no file has an error, 1 when any has, 2 when out cannot be written.
    static int run(const QStringList &names, const QStringList &paths, std::FILE *out);
    // Says on standard error that what could not be written, with the reason errno holds, and
    // returns the exit status for it, 2.
    static int reportUnwritable(const QString &what);
    // "FILE:LINE: error: message", "FILE:LINE: warning: message", or "FILE: error: message" for
    // the file as a whole. The words "error" and "warning" stay English for the tools that read
    // them; control characters and bytes of the name that are not UTF-8 are escaped, and a name
    // holding direction controls is isolated.
    static QString format(const QString &name, const QuizFinding &finding);
};
