#include "platform/Platform.h"
#include "platform/QtPlatform.h"

namespace {

QtMessageService realMessages;
QtPathService realPaths;
QtClockService realClock;

MessageService* currentMessages = &realMessages;
PathService* currentPaths = &realPaths;
ClockService* currentClock = &realClock;

} // namespace

namespace platform {

MessageService& Messages() { return *currentMessages; }
PathService& Paths() { return *currentPaths; }
ClockService& Clock() { return *currentClock; }

void SetMessages(MessageService* service) { currentMessages = service ? service : &realMessages; }
void SetPaths(PathService* service) { currentPaths = service ? service : &realPaths; }
void SetClock(ClockService* service) { currentClock = service ? service : &realClock; }

} // namespace platform
