// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QStringList>

// What the command line asks for:
//   matchmaker [FILE]            take the quiz in FILE instead of episode1.qzt
//   matchmaker --check FILE...   check quiz files, print what is wrong, open no window
//   matchmaker --edit [FILE]     write or change a quiz in the quiz editor
//   matchmaker --export-web DIR FILE...   publish quizzes as a web page in the folder DIR
//   matchmaker --export-web --single-file OUT.html FILE...   the same page as one file
//   matchmaker --help | --version
// It is read before the application object exists, so that help, the version, the checker and
// a mistyped command need no display.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Action { TakeQuiz, Check, Edit, ExportWeb, ShowHelp, ShowVersion, UsageError };

    // arguments as main() received them, the program's name first; relative file names are taken
    // from startDirectory.
    CommandLine(const QStringList &arguments, const QString &startDirectory);

    // As FileName gives them, so that a file name that is not UTF-8 still names its file.
    static QStringList argumentsOf(int argc, char **argv);
    // Where the command was started: MATCHMAKER_START_DIR, which the installed launcher sets
    // before it changes to the data folder, or else the working directory.
    static QString startDirectory();

    Action action() const { return chosen; }
    // The quiz files as they were typed, and the same as paths to open.
    const QStringList &files() const { return typed; }
    const QStringList &paths() const { return resolved; }
    // The folder of --export-web as it was typed, and as a path.
    const QString &folderAsTyped() const { return typedFolder; }
    const QString &folderPath() const { return folder; }
    // Whether --export-web writes one file (--single-file OUT.html), which folderPath() then names.
    bool singleFileExport() const { return singleFile; }

    // For help, the version and a usage error: what to print (a usage error goes to standard
    // error) and the exit status.
    QString output() const;
    int exitStatus() const { return chosen == Action::UsageError ? 2 : 0; }

    static QString helpText();

private:
    void fail(const QString &error);

    Action chosen = Action::TakeQuiz;
    QStringList typed;
    QStringList resolved;
    QString typedFolder;
    QString folder;
    bool singleFile = false;
    QString problem;
};
