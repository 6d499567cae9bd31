// The face the program's printouts and dialogs are designed for.
#pragma once

#include <QString>

// Arial; where it is not installed its metric twin stands in, so that a
// font list shows the face that will print.
QString DesignFont();
