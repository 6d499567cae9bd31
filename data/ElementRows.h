// The library's constant element table, as plain literals so that it is
// constant-initialised and needs no start-up work inside the library.
#pragma once

#include <cstdint>

namespace dane {

struct ElementRow {
    const char* Symbol;
    const char* Name;
    const char* Kind;
    const char* State;
    const char* AtomicNumber;
    const char* AtomicMass;
    const char* OxideCharacter;
    const char* Electronegativity;
    const char* Density;
    const char* MeltingPoint;
    const char* BoilingPoint;
    const char* IsotopeCount;
    const char* Discovered;
    const char* AtomicRadius;
    const char* ShellK;
    const char* ShellL;
    const char* ShellM;
    const char* ShellN;
    const char* ShellO;
    const char* ShellP;
    const char* ShellQ;
    int32_t LeftNeighbour;
    int32_t RightNeighbour;
    int32_t UpNeighbour;
    int32_t DownNeighbour;
    const char* LatinName;
    const char* PolishName;
};

struct VersionRow {
    const char* Version;
    const char* ReleaseDate;
    const char* Credits;
    const char* Description;
};

extern const ElementRow ElementRows[111];
extern const VersionRow DaneVersionRow;

} // namespace dane
