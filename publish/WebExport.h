// SPDX-License-Identifier: MIT
#pragma once

#include "QuizFile.h"
#include "SinglePage.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

class ExportStop;

// Publishes quizzes as a folder of static files that plays them in any current browser, from a
// web host or straight from the disk, with no server: the page (publish/web, compiled in), the
// quizzes as data, the page's texts in German and French from the program's catalogues, the
// banner's pictures at twice its box, the design pictures, and the clips the window would play
// for these quizzes. Pictures and clips go through the window's limits; one that fails is left
// out with a warning, as the window leaves it out.
// The folder is made if missing; one that exists must be empty or hold an earlier export exactly
// as it was written (ExportFolder says how), which is replaced only once the new one is whole, so
// a failed export leaves the earlier one as it was and nothing half-written.
class WebExport
{
    Q_DECLARE_TR_FUNCTIONS(WebExport)

public:
    static constexpr const char *MarkerFile = ".matchmaker-export";
    // The most text of quiz lines one export takes, all quizzes together (nineteen quizzes of the
    // longest lines the window loads): the page's data holds up to six bytes for each, and a
    // browser has to read it all before the first question.
    static constexpr qint64 MaxQuizBytes = qint64 { 128 } * 1024 * 1024;

    struct Quiz
    {
        QString name; // as the choice of quizzes names it
        QuizText lines;
    };

    // Where the pictures and clips are read from (the window's working directory) and where the
    // compiled catalogues are.
    struct Sources
    {
        QString dataFolder;
        QString catalogueFolder;
        QString catalogueName;
    };

    struct Result
    {
        // Empty on success; otherwise why nothing was written, naming the folder.
        QString error;
        // What was left out, one line each.
        QStringList warnings;
        // The page to open, on success.
        QString indexPath;
    };

    struct Options
    {
        // The files the quizzes were read from, as FileName gives them: never replaced.
        QStringList quizFiles;
        // A request to give up, from another thread; or none.
        ExportStop *stop = nullptr;
    };

    // folder is a file name as FileName gives it. Quizzes of more than MaxQuizBytes are refused.
    static Result write(const QString &folder, const std::vector<Quiz> &quizzes, const Sources &sources);
    static Result write(const QString &folder, const std::vector<Quiz> &quizzes, const Sources &sources,
                        const Options &options);
    // The same page as one file, file, that holds its pictures and clips (SinglePage). The file
    // must not exist or be one this program wrote so (it holds SinglePage::Marker); it is replaced
    // in one step once the new one is whole. Result::indexPath is the file.
    static Result writeSingleFile(const QString &file, const std::vector<Quiz> &quizzes,
                                  const Sources &sources, const Options &options);
    // The page as one file without its quizzes, as writeSingleFile makes it, with every clip the
    // window can play for a quiz (each name's own and the no-winner clip) that passes its limits:
    // what the studio publishes a quiz with, choosing its clips as ResultClips does.
    static SinglePage::Input singleFileKit(const Sources &sources, QStringList &warnings);
    // The text of the quizzes' lines, in bytes.
    static qint64 quizBytes(const std::vector<Quiz> &quizzes);
};
