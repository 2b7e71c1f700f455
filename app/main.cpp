#include "Application.h"
#include "Main.h"

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    Main window;
    if (!window.Form_Initialize())
        return 1;
    window.showCentred();
    return app.exec();
}
