// The program's own copies of the element tables, taken once from the data
// library at start-up (app/TableLoading.h), and the selection. Index Z - 1.
// Every window reads them; only SetShownNames changes them.
#pragma once

#include "data/DaneTypes.h"

#include <array>

extern std::array<TPierwData, ElementCount> ElementTable;
extern std::array<TShortPierwData, ElementCount> ShortTable;

// Every record's shown name (Name, DisplayName) in Latin or Polish.
void SetShownNames(bool latin);

// The atomic number of the selected element, -1 when none is selected.
extern int SelectedElement;
