// SPDX-License-Identifier: MIT
#include "Application.h"

#include "FatalError.h"
#include "compiled/matchmaker.h"

#include <QIcon>

#include <exception>

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    // No display name: the desktop would append it to every window title, and the design's
    // titles ("Brindlecast Match Maker!", "Your results!") stand alone.
    setApplicationName("matchmaker");
    setApplicationVersion(QStringLiteral(MATCHMAKER_VERSION));
    setDesktopFileName("example.brindlecast.matchmaker");
    setWindowIcon(QIcon(Compiled::matchmaker.pixmap()));
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        FatalError::show(tr("Brindlecast Match Maker"), QString::fromUtf8(error.what()));
    } catch (...) {
        FatalError::show(tr("Brindlecast Match Maker"), tr("An unexpected error occurred."));
    }
    return false;
}
