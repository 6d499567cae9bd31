#include "data/MainWindowLink.h"

namespace {
MainWindowLink* mainWindow = nullptr;
} // namespace

MainWindowLink* MainWindow() { return mainWindow; }

void SetMainWindow(MainWindowLink* window) { mainWindow = window; }
