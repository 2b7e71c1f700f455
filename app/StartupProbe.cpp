// SPDX-License-Identifier: MIT
#include "StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

void StartupProbe::watch(QWidget *window)
{
    if (qEnvironmentVariableIsEmpty("MATCHMAKER_STARTUP_PROBE"))
        return;
    window->installEventFilter(new StartupProbe(window));
}

bool StartupProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Reported once the paint has been handed to the window system.
        QTimer::singleShot(0, this, &StartupProbe::report);
    }
    return false;
}

void StartupProbe::report()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("shown %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    std::fflush(stdout);
    QCoreApplication::exit(0);
}
