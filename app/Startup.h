// The program's start-up and its event loop.
#pragma once

#include <memory>

class QApplication;

// The application object; of the command line it sees only the program
// name. Call once.
std::unique_ptr<QApplication> CreateApplication(int argc, char** argv);

// Loads the toolkit's Polish texts (standard buttons, file, colour and print
// dialogs); part of start-up.
void InstallPolishTranslations();

// Start-up up to the event loop: splash, windows, tables, settings. Returns
// with the splash gone and the main window created but not yet shown.
void StartZefirak();

// Shows the main window and runs the event loop; never returns normally,
// because closing the main window ends the process.
int RunEventLoop();
