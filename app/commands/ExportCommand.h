// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

// matchmaker --export-web DIR FILE...: publishes the quiz files as a web page in the folder DIR.
// Each file is checked as --check checks it: its warnings are printed the same way and the export
// goes on; a file with an error is refused with the checker's words, and nothing is written.
class ExportCommand
{
    Q_DECLARE_TR_FUNCTIONS(ExportCommand)

public:
    struct Request
    {
        QString folder;    // as a path
        QStringList names; // the quiz files as typed
        QStringList paths; // and as paths
        QString catalogueFolder;
        QString catalogueName;
        bool singleFile = false; // folder then names the page's one file (--single-file)
    };

    // Prints the path of the page to out and returns 0; prints findings, what was left out and
    // any failure to err, and returns 1 when nothing was written. An interrupt ends it with 130:
    // with nothing published while the export is written, after the path once it is in place.
    static int run(const Request &request, std::FILE *out, std::FILE *err);
};
