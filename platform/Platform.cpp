#include "platform/Platform.h"
#include "platform/QtPlatform.h"

namespace {

QtMessageService realMessages;
QtPathService realPaths;
QtFileDialogService realFileDialogs;
QtColorDialogService realColorDialogs;
QtClockService realClock;
QtPrinterService realPrinters;

MessageService* currentMessages = &realMessages;
PathService* currentPaths = &realPaths;
FileDialogService* currentFileDialogs = &realFileDialogs;
ColorDialogService* currentColorDialogs = &realColorDialogs;
ClockService* currentClock = &realClock;
PrinterService* currentPrinters = &realPrinters;

} // namespace

namespace platform {

MessageService& Messages() { return *currentMessages; }
PathService& Paths() { return *currentPaths; }
FileDialogService& FileDialogs() { return *currentFileDialogs; }
ColorDialogService& ColorDialogs() { return *currentColorDialogs; }
ClockService& Clock() { return *currentClock; }
PrinterService& Printers() { return *currentPrinters; }

void SetMessages(MessageService* service) { currentMessages = service ? service : &realMessages; }
void SetPaths(PathService* service) { currentPaths = service ? service : &realPaths; }
void SetFileDialogs(FileDialogService* service) { currentFileDialogs = service ? service : &realFileDialogs; }
void SetColorDialogs(ColorDialogService* service) { currentColorDialogs = service ? service : &realColorDialogs; }
void SetClock(ClockService* service) { currentClock = service ? service : &realClock; }
void SetPrinters(PrinterService* service) { currentPrinters = service ? service : &realPrinters; }

} // namespace platform
