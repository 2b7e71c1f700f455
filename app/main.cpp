// SPDX-License-Identifier: MIT
#include "Main.h"
#include "Application.h"
#include "StartupProbe.h"

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    Main window;
    if (!window.Form_Initialize())
        return 1;
    StartupProbe::watch(&window);
    window.showCentred();
    return QApplication::exec();
}
