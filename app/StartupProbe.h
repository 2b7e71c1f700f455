// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWidget;

// For the start-up benchmark and the tests: with MATCHMAKER_STARTUP_PROBE set, the moment the
// window (the main window, or the editor of --edit) has first been painted is written to standard
// output (CLOCK_MONOTONIC, nanoseconds) and the program ends.
// Without the variable it does nothing.
class StartupProbe : public QObject
{
    Q_OBJECT

public:
    static void watch(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
    void report();
};
