// SPDX-License-Identifier: MIT
#include "Main.h"
#include "Application.h"
#include "CheckCommand.h"
#include "CommandLine.h"
#include "QuizEditor.h"
#include "SessionBus.h"
#include "StartupProbe.h"
#include "Translations.h"

#include <QFile>
#include <QFileInfo>

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <memory>
#include <thread>

namespace {

int takeQuiz(const CommandLine &command)
{
    SessionBus::connectEarly();
    Main window;
    const bool started = command.paths().isEmpty()
        ? window.Form_Initialize()
        : window.Form_Initialize(QFile::encodeName(command.paths().front()).toStdString());
    if (!started)
        return 1;
    StartupProbe::watch(&window);
    window.showCentred();
    return QApplication::exec();
}

// The main window appears only when the quiz is tried.
int edit(const CommandLine &command)
{
    QuizEditor editor;
    std::unique_ptr<Main> window;
    QObject::connect(&editor, &QuizEditor::tryQuizRequested, [&window](const QuizText &lines) {
        if (!window)
            window = std::make_unique<Main>();
        window->tryQuiz(lines);
    });
    if (!command.paths().isEmpty()) {
        const QString &path = command.paths().front();
        if (!QFileInfo::exists(path))
            editor.startNew(path);
        else if (!editor.openFile(path))
            return 1;
    }
    editor.show();
    return QApplication::exec();
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
    case CommandLine::Action::UsageError:
        std::fputs(command.output().toLocal8Bit().constData(), stderr);
        return command.exitStatus();
    default:
        std::fputs(command.output().toLocal8Bit().constData(), stdout);
        return command.exitStatus();
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
        return runWithoutDisplay(argc, argv);
    case CommandLine::Action::Edit: {
        SessionBus::ruleOutWhereAbsent();
        const Application app(argc, argv);
        return edit(command);
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
