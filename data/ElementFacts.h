// What follows from an element's record or number and is the same wherever
// the element is shown: its place in the table, its class and the name shown.
#pragma once

#include "data/DaneTypes.h"

#include <string>

// Column 1..18; row 1..7 for the periods, 8 for the lanthanides and 9 for
// the actinides (columns 3..16 there). La and Ac stand in column 3 of their
// periods.
struct TablePlace {
    int column;
    int row;
};

// The place of element z (1..111).
TablePlace PlaceOf(int z);
// The element at a place, or 0 where the table has none.
int ElementAt(int column, int row);

enum class ElementClass { Metal, Nonmetal, Semimetal };

// The class the record's Kind names ("metal", "metal,  lantanowiec",
// "niemetal", "półmetal"); a Kind that names none of them is a metal.
ElementClass ClassOf(const TPierwData& record);

// The name the Latin switch shows: the record's Latin or Polish name.
const std::string& ShownName(const TPierwData& record, bool latin);
const std::string& ShownName(const TShortPierwData& record, bool latin);
