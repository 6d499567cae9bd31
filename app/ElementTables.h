// The program's own copies of the element tables, taken once from the data
// library at start-up. Index Z - 1.
#pragma once

#include "DaneTypes.h"

#include <array>

extern std::array<TPierwData, ElementCount> ElementTable;
extern std::array<TShortPierwData, ElementCount> ShortTable;

void LoadShortTable();
void LoadElementTable();

// The start-up name check: one information notice "PolishName/Name" for every
// record whose shown name differs from its Polish name.
void CheckElementNames();
