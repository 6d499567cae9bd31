// The tables as the program sees them: copies taken through the exports.
#pragma once

#include "data/Dane.h"

#include <QString>

#include <array>
#include <string>

namespace dane_test {

inline const std::array<TPierwData, ElementCount>& LongTable()
{
    static const std::array<TPierwData, ElementCount> table = [] {
        std::array<TPierwData, ElementCount> t;
        GetLongPierwArray(t.data());
        return t;
    }();
    return table;
}

inline const TPierwData& Element(int z) { return LongTable()[z - 1]; }

inline QString Q(const std::string& s) { return QString::fromStdString(s); }

// The 27 fields in record order, as texts (neighbours written in decimal),
// so whole records can be compared and named in failure messages.
struct FieldRef {
    const char* name;
    std::string (*get)(const TPierwData&);
};

#define DANE_TEXT(f)                                                                                                   \
    FieldRef                                                                                                           \
    {                                                                                                                  \
#f, [](const TPierwData& r) { return r.f; }                                                                    \
    }
#define DANE_INT(f)                                                                                                    \
    FieldRef                                                                                                           \
    {                                                                                                                  \
#f, [](const TPierwData& r) { return std::to_string(r.f); }                                                    \
    }
inline const std::array<FieldRef, 27> AllFields = {
    DANE_TEXT(Symbol),       DANE_TEXT(Name),         DANE_TEXT(Kind),           DANE_TEXT(State),
    DANE_TEXT(AtomicNumber), DANE_TEXT(AtomicMass),   DANE_TEXT(OxideCharacter), DANE_TEXT(Electronegativity),
    DANE_TEXT(Density),      DANE_TEXT(MeltingPoint), DANE_TEXT(BoilingPoint),   DANE_TEXT(IsotopeCount),
    DANE_TEXT(Discovered),   DANE_TEXT(AtomicRadius), DANE_TEXT(ShellK),         DANE_TEXT(ShellL),
    DANE_TEXT(ShellM),       DANE_TEXT(ShellN),       DANE_TEXT(ShellO),         DANE_TEXT(ShellP),
    DANE_TEXT(ShellQ),       DANE_INT(LeftNeighbour), DANE_INT(RightNeighbour),  DANE_INT(UpNeighbour),
    DANE_INT(DownNeighbour), DANE_TEXT(LatinName),    DANE_TEXT(PolishName),
};
#undef DANE_TEXT
#undef DANE_INT

} // namespace dane_test
