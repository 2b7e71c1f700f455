// SPDX-License-Identifier: MIT
#include "Application.h"

#include "FatalError.h"
#include "compiled/matchmaker.h"

#include <QIcon>

#include <exception>

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName("matchmaker");
    setApplicationDisplayName("Brindlecast Match Maker");
    setApplicationVersion(QStringLiteral(MATCHMAKER_VERSION));
    setDesktopFileName("example.brindlecast.matchmaker");
    setWindowIcon(QIcon(Compiled::matchmaker.pixmap()));
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        FatalError::show(QString::fromUtf8(error.what()));
    } catch (...) {
        FatalError::show("An unexpected error occurred.");
    }
    return false;
}
