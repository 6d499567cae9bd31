// Record types shared by the element data library and its callers.
//
// Texts are owned std::string values (UTF-8), so a caller's copy never
// refers back into the library once an export has returned.
#pragma once

#include <cstdint>
#include <string>

struct TPierwData {
    std::string Symbol;
    std::string Name;
    std::string Kind;
    std::string State;
    std::string AtomicNumber;
    std::string AtomicMass;
    std::string OxideCharacter;
    std::string Electronegativity;
    std::string Density;
    std::string MeltingPoint;
    std::string BoilingPoint;
    std::string IsotopeCount;
    std::string Discovered;
    std::string AtomicRadius;
    std::string ShellK;
    std::string ShellL;
    std::string ShellM;
    std::string ShellN;
    std::string ShellO;
    std::string ShellP;
    std::string ShellQ;
    int32_t LeftNeighbour = 0;
    int32_t RightNeighbour = 0;
    int32_t UpNeighbour = 0;
    int32_t DownNeighbour = 0;
    std::string LatinName;
    std::string PolishName;
};

struct TShortPierwData {
    std::string Symbol;
    std::string DisplayName;
    std::string PolishName;
    std::string LatinName;
};

struct TDaneVersion {
    std::string Version;
    std::string ReleaseDate;
    std::string Credits;
    std::string Description;
};

inline constexpr int ElementCount = 111;
