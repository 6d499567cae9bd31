#include "app/Startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    const auto app = CreateApplication(argc, argv);
    StartZefirak();
    return RunEventLoop();
}
