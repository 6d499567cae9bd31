// Every message box of the program goes through these three routines.
#pragma once

#include "platform/Platform.h"

#include <QString>
#include <cstdint>

enum NoticeKind : uint8_t {
    nkInformation = 0,
    nkError = 1,
    nkWarning = 2,
    nkFatal = 3,
};

// Shows a box without an owner; the pressed button is not returned. While
// a ShutdownMessages lives, the box is modal to the whole application
// instead.
void ShowMessageBox(const QString& text, const QString& caption, int flags);

// Held while the program ends: its windows must not be used any more (the
// clock has stopped and a second close would do nothing), so a message
// shown meanwhile blocks them.
class ShutdownMessages {
public:
    ShutdownMessages();
    ~ShutdownMessages();
    ShutdownMessages(const ShutdownMessages&) = delete;
    ShutdownMessages& operator=(const ShutdownMessages&) = delete;
};

// Shows text with the caption and icon of kind. Kinds above nkFatal show
// nothing. After an nkFatal box the process ends at once with exit code 0.
void ShowNotice(const QString& text, NoticeKind kind);

// Asks text + "?" with Yes and No; true only for Yes. Callers write the
// question without its question mark.
bool AskYesNo(const QString& text);
