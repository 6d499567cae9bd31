// The check of a size or scale typed into a list of the print dialogs.
#pragma once

#include <QString>

class SizeList;

// Checks the value typed into a size or scale list: digits within lo..hi
// choose the matching row and give true; anything else shows an error box
// and gives false.
bool CheckSizeCombo(SizeList& list, int lo, int hi);
