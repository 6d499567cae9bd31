// Taking an element's data out: to the clipboard or a text file.
#pragma once

#include "data/DaneTypes.h"

class QClipboard;
class QWidget;

// The record's 14-line block on the clipboard.
void CopyElementText(QClipboard& clipboard, const TPierwData& record);

// Asks for a file name and writes the record's block there in Windows-1250
// with CR LF, asking before it replaces a file; every failure is shown.
void SaveElementText(QWidget* parent, const TPierwData& record);
