#include "platform/Messages.h"

#include "platform/Platform.h"

#include <cstdio>
#include <cstdlib>

namespace {

int shutdownHolders = 0;

} // namespace

ShutdownMessages::ShutdownMessages() { ++shutdownHolders; }
ShutdownMessages::~ShutdownMessages() { --shutdownHolders; }

void ShowMessageBox(const QString& text, const QString& caption, int flags)
{
    if (shutdownHolders > 0)
        platform::Messages().ShowApplicationModal(text, caption, flags);
    else
        platform::Messages().ShowOwnerless(text, caption, flags);
}

void ShowNotice(const QString& text, NoticeKind kind)
{
    if (kind == nkInformation)
        ShowMessageBox(text, QStringLiteral("Informacja"), mb::Ok | mb::IconInformation);
    else if (kind == nkWarning)
        ShowMessageBox(text, QStringLiteral("Uwaga!"), mb::Ok | mb::IconExclamation);
    else if (kind == nkError)
        ShowMessageBox(text, QStringLiteral("Błąd!"), mb::Ok | mb::IconStop);
    else if (kind == nkFatal) {
        ShowMessageBox(text, QStringLiteral("Błąd Globalny!!!"), mb::Ok | mb::IconStop);
        // A fatal error ends the program without its shutdown: nothing is
        // closed and no setting is written.
        std::fflush(nullptr);
        std::_Exit(0);
    }
}

bool AskYesNo(const QString& text)
{
    const int result = platform::Messages().ShowApplicationModal(text + QLatin1Char('?'), QStringLiteral("Pytanie"),
                                                                 mb::YesNo | mb::IconQuestion);
    return result == mb::ResultYes;
}
