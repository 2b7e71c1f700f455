// SPDX-License-Identifier: MIT
#include "Main.h"
#include "Application.h"
#include "CheckCommand.h"
#include "CommandLine.h"
#include "ExportCommand.h"
#include "FileName.h"
#include "PlainText.h"
#include "QuizEditor.h"
#include "QuizEditors.h"
#include "SessionBus.h"
#include "StartupProbe.h"
#include "Translations.h"

#include <fontconfig/fontconfig.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <thread>

namespace {

int takeQuiz(const CommandLine &command)
{
    SessionBus::connectEarly();
    Main window;
    QuizEditors editors(&window);
    const bool started = command.paths().isEmpty()
        ? window.Form_Initialize()
        : window.Form_Initialize(FileName::toNativePath(command.paths().front()));
    if (!started)
        return 1;
    StartupProbe::watch(&window);
    window.showCentred();
    return QApplication::exec();
}

// Only a name that certainly does not exist starts a new quiz: a file that cannot even be looked
// at (a folder without permission) is opened, so that the user is told why it cannot be.
bool certainlyAbsent(const QString &path)
{
    std::error_code error;
    return std::filesystem::symlink_status(FileName::toNativePath(path), error).type()
        == std::filesystem::file_type::not_found;
}

// The main window appears only when the quiz is tried.
int openEditor(const CommandLine &command)
{
    QuizEditors editors;
    QuizEditor &editor = *editors.newEditor();
    if (!command.paths().isEmpty()) {
        const QString &path = command.paths().front();
        if (certainlyAbsent(path)) {
            std::fputs(
                qPrintable(CommandLine::tr("matchmaker: %1 does not exist yet; the editor starts a new "
                                           "quiz, which Save writes there.\n")
                               .arg(PlainText::forTerminal(FileName::shown(command.files().front())))),
                stderr);
            editor.startNew(path);
        } else if (!editor.openFile(path)) {
            return 1;
        }
    }
    StartupProbe::watch(&editor);
    editor.show();
    return QApplication::exec();
}

// Help, the version or a usage error; output that cannot be written (a full disk) is an error too.
int print(const QString &text, std::FILE *out, int status)
{
    errno = 0;
    std::fputs(text.toLocal8Bit().constData(), out);
    if (std::fflush(out) != 0 || std::ferror(out))
        return CheckCommand::reportUnwritable(CommandLine::tr("the output"));
    return status;
}

// Help, the version, a usage error and the checker: text only, so no display is needed. The
// command line is read again once the catalogues are in, so that its messages are translated.
int runWithoutDisplay(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    const Translations translations(QLocale(), Application::CatalogueFolder, Application::CatalogueName);
    const CommandLine command(CommandLine::argumentsOf(argc, argv), CommandLine::startDirectory());
    switch (command.action()) {
    case CommandLine::Action::Check:
        return CheckCommand::run(command.files(), command.paths(), stdout);
    case CommandLine::Action::ExportWeb:
        return ExportCommand::run({ command.folderPath(), command.files(), command.paths(),
                                    Application::CatalogueFolder, Application::CatalogueName,
                                    command.singleFileExport() },
                                  stdout, stderr);
    case CommandLine::Action::UsageError:
        return print(command.output(), stderr, command.exitStatus());
    default:
        return print(command.output(), stdout, command.exitStatus());
    }
}

} // namespace

int main(int argc, char *argv[])
{
    const CommandLine command(CommandLine::argumentsOf(argc, argv), CommandLine::startDirectory());
    switch (command.action()) {
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
    case CommandLine::Action::UsageError:
    case CommandLine::Action::Check:
    case CommandLine::Action::ExportWeb:
        return runWithoutDisplay(argc, argv);
    case CommandLine::Action::Edit: {
        SessionBus::ruleOutWhereAbsent();
        const Application app(argc, argv);
        return openEditor(command);
    }
    case CommandLine::Action::TakeQuiz:
        break;
    }
    SessionBus::ruleOutWhereAbsent();
    // The window measures text before it is shown, so the font configuration (some 10 ms of XML)
    // would be read then. Read on another thread, it is ready by the time the application has
    // connected to the display.
    std::jthread fontConfiguration(FcInit);
    const Application app(argc, argv);
    fontConfiguration.join();
    return takeQuiz(command);
}
