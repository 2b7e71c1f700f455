// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include "FileName.h"
#include "PlainText.h"

#include <QCommandLineParser>
#include <QDir>

#include <filesystem>
#include <system_error>

CommandLine::CommandLine(const QStringList &arguments, const QString &startDirectory)
{
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList { "h", "help" });
    const QCommandLineOption version(QStringList { "v", "version" });
    const QCommandLineOption check("check");
    const QCommandLineOption edit("edit");
    const QCommandLineOption exportWeb("export-web", QString(), QStringLiteral("DIR"));
    parser.addOptions({ help, version, check, edit, exportWeb });
    if (!parser.parse(arguments)) {
        fail(parser.errorText());
        return;
    }
    if (parser.isSet(help)) {
        chosen = Action::ShowHelp;
        return;
    }
    if (parser.isSet(version)) {
        chosen = Action::ShowVersion;
        return;
    }
    typed = parser.positionalArguments();
    for (const QString &file : typed)
        resolved << QDir(startDirectory).absoluteFilePath(file);
    if (parser.isSet(exportWeb)) {
        typedFolder = parser.value(exportWeb);
        folder = QDir(startDirectory).absoluteFilePath(typedFolder);
    }
    const int commands = int(parser.isSet(check)) + int(parser.isSet(edit)) + int(parser.isSet(exportWeb));
    if (commands > 1)
        fail(tr("Only one of --check, --edit and --export-web can be given."));
    else if (parser.isSet(exportWeb) && typedFolder.isEmpty())
        fail(tr(R"(--export-web needs a folder, and "" names none; for the current folder, give ".".)"));
    else if (parser.isSet(exportWeb) && typed.isEmpty())
        fail(tr("--export-web needs at least one quiz file after its folder."));
    else if (parser.isSet(exportWeb))
        chosen = Action::ExportWeb;
    else if (parser.isSet(check) && typed.isEmpty())
        fail(tr("--check needs at least one quiz file."));
    else if (parser.isSet(check))
        chosen = Action::Check;
    else if (typed.size() > 1)
        fail(tr("Only one quiz file can be opened at a time."));
    else if (parser.isSet(edit))
        chosen = Action::Edit;
}

void CommandLine::fail(const QString &error)
{
    chosen = Action::UsageError;
    problem = error;
}

QStringList CommandLine::argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << FileName::fromNative(QByteArray(argv[i]));
    return arguments;
}

QString CommandLine::startDirectory()
{
    const QByteArray launcherDirectory = qgetenv("MATCHMAKER_START_DIR");
    if (!launcherDirectory.isEmpty())
        return FileName::fromNative(launcherDirectory);
    std::error_code error;
    return FileName::fromNative(std::filesystem::current_path(error).native());
}

QString CommandLine::output() const
{
    switch (chosen) {
    case Action::ShowHelp:
        return helpText();
    case Action::ShowVersion:
        return QStringLiteral("matchmaker " MATCHMAKER_VERSION "\n");
    case Action::UsageError:
        // The problem quotes what was typed, which may hold anything a file name can.
        return QStringLiteral("matchmaker: ") + PlainText::forTerminal(FileName::shown(problem)) + '\n'
            + helpText();
    default:
        return {};
    }
}

QString CommandLine::helpText()
{
    return tr("Usage: matchmaker [FILE]\n"
              "       matchmaker --check FILE...\n"
              "       matchmaker --edit [FILE]\n"
              "       matchmaker --export-web DIR FILE...\n"
              "\n"
              "Brindlecast Match Maker: which cast member are you most compatible with?\n"
              "\n"
              "  FILE             take the quiz in FILE instead of episode1.qzt\n"
              "  --check FILE...  check quiz files and print each error and warning as\n"
              "                   FILE:LINE: error: ... or FILE:LINE: warning: ...; the exit\n"
              "                   status is 0 when no file has an error, 1 when one has\n"
              "  --edit [FILE]    write a new quiz, or change FILE, in the quiz editor\n"
              "  --export-web DIR FILE...\n"
              "                   publish the quizzes as a web page in the folder DIR, which\n"
              "                   plays them in any browser; prints the page's path\n"
              "  -h, --help       show this help\n"
              "  -v, --version    show the version\n"
              "\n"
              "A mistake in the command exits with status 2.\n");
}
