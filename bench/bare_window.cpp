// SPDX-License-Identifier: MIT
// The reference for the start-up benchmark: an empty Qt window of the main window's size.
#include "StartupProbe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(636, 325);
    StartupProbe::watch(&window);
    window.show();
    return QApplication::exec();
}
