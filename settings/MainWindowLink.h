// What the settings dialog and the settings store may ask of the main
// window. The main window implements it and hands itself to them; they
// never see its class.
#pragma once

#include "widgets/Colors.h"

#include <QString>

class MainWindowLink {
public:
    virtual ~MainWindowLink() = default;
    // Shown names in Latin (true) or Polish, in the tables and on screen.
    virtual void SetLatin(bool latin) = 0;
    // Reloads the skin: colours, outline and background.
    virtual void loadskin(const QString& name, TColor transparent) = 0;
    // Paints the whole window again, now.
    virtual void RepaintWindow() = 0;
};
