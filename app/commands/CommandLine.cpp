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
    // --export-web --single-file OUT.html FILE...: the folder's option takes the next argument as its
    // value, so the single file's form is taken apart before the parser sees it.
    QStringList given = arguments;
    const qsizetype exportAt = given.indexOf(QStringLiteral("--export-web"));
    const bool singleFileForm = exportAt >= 0 && exportAt + 1 < given.size()
        && (given[exportAt + 1] == QLatin1String("--single-file")
            || given[exportAt + 1].startsWith(QLatin1String("--single-file=")));
    if (singleFileForm)
        given.removeAt(exportAt);
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList { "h", "help" });
    const QCommandLineOption version(QStringList { "v", "version" });
    const QCommandLineOption check("check");
    const QCommandLineOption edit("edit");
    const QCommandLineOption exportWeb("export-web", QString(), QStringLiteral("DIR"));
    const QCommandLineOption singleFileOption("single-file", QString(), QStringLiteral("OUT.html"));
    parser.addOptions({ help, version, check, edit, exportWeb, singleFileOption });
    if (!parser.parse(given)) {
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
    const bool exporting = parser.isSet(exportWeb) || singleFileForm;
    if (exporting) {
        singleFile = singleFileForm;
        typedFolder = parser.value(singleFileForm ? singleFileOption : exportWeb);
        folder = QDir(startDirectory).absoluteFilePath(typedFolder);
    }
    const int commands = int(parser.isSet(check)) + int(parser.isSet(edit)) + int(exporting);
    if (parser.isSet(singleFileOption) && !singleFileForm)
        fail(tr(
            "--single-file is given right after --export-web: --export-web --single-file OUT.html FILE..."));
    else if (commands > 1)
        fail(tr("Only one of --check, --edit and --export-web can be given."));
    else if (singleFile && typedFolder.isEmpty())
        fail(tr(R"(--single-file needs the name of the page's file, and "" names none.)"));
    else if (exporting && typedFolder.isEmpty())
        fail(tr(R"(--export-web needs a folder, and "" names none; for the current folder, give ".".)"));
    else if (singleFile && typed.isEmpty())
        fail(tr("--export-web --single-file needs at least one quiz file after the page's file."));
    else if (exporting && typed.isEmpty())
        fail(tr("--export-web needs at least one quiz file after its folder."));
    else if (exporting)
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
              "       matchmaker --export-web --single-file OUT.html FILE...\n"
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
              "  --export-web --single-file OUT.html FILE...\n"
              "                   publish the same page as the one file OUT.html, which holds\n"
              "                   its pictures and clips; replaces only a file it wrote\n"
              "  -h, --help       show this help\n"
              "  -v, --version    show the version\n"
              "\n"
              "A mistake in the command exits with status 2.\n");
}
