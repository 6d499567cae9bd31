// Process-wide settings values, read at start-up and written at shutdown.
#pragma once

#include <QString>
#include <QStringList>

extern QString SkinName;
extern QString SkinEditor;
extern bool Warn1;      // ask the printer-settings question again
extern bool Warn2;      // show the low-screen-resolution warning again
extern bool LatinNames; // element names in Latin instead of Polish

// The information field's lines that the wall chart carries until the user
// writes their own.
QStringList DefaultInfoLines();
