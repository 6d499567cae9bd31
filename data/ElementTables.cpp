#include "data/ElementTables.h"

std::array<TPierwData, ElementCount> ElementTable;
std::array<TShortPierwData, ElementCount> ShortTable;
int SelectedElement = -1;
