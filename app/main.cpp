// SPDX-License-Identifier: MIT
#include "Main.h"
#include "Application.h"
#include "StartupProbe.h"

#include <fontconfig/fontconfig.h>

#include <thread>

int main(int argc, char *argv[])
{
    // The window measures text before it is shown, so the font configuration (some 10 ms of XML)
    // would be read then. Read on another thread, it is ready by the time the application has
    // connected to the display.
    std::jthread fontConfiguration(FcInit);
    Application app(argc, argv);
    fontConfiguration.join();
    Main window;
    if (!window.Form_Initialize())
        return 1;
    StartupProbe::watch(&window);
    window.showCentred();
    return QApplication::exec();
}
