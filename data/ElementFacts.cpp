#include "data/ElementFacts.h"

#include <array>

TablePlace PlaceOf(int z)
{
    if (z == 1)
        return {1, 1};
    if (z == 2)
        return {18, 1};
    if (z <= 18) { // periods 2 and 3: two on the left, six on the right
        const int row = z <= 10 ? 2 : 3;
        const int i = z - (row == 2 ? 3 : 11); // 0..7 within the period
        return {i < 2 ? i + 1 : i + 11, row};
    }
    if (z <= 54) { // periods 4 and 5 fill all 18 columns
        const int row = z <= 36 ? 4 : 5;
        return {z - (row == 4 ? 18 : 36), row};
    }
    if (z >= 58 && z <= 71)
        return {z - 55, 8};
    if (z >= 90 && z <= 103)
        return {z - 87, 9};
    const int row = z <= 86 ? 6 : 7;
    const int first = row == 6 ? 55 : 87;
    if (z <= first + 2)
        return {z - first + 1, row};             // Cs Ba La / Fr Ra Ac
    return {z - (row == 6 ? 72 : 104) + 4, row}; // Hf..Rn / Rf..Rg from column 4
}

int ElementAt(int column, int row)
{
    static const auto grid = [] {
        std::array<std::array<int, 19>, 10> g{};
        for (int z = 1; z <= ElementCount; ++z)
            g[PlaceOf(z).row][PlaceOf(z).column] = z;
        return g;
    }();
    if (column < 1 || column > 18 || row < 1 || row > 9)
        return 0;
    return grid[row][column];
}

ElementClass ClassOf(const TPierwData& record)
{
    if (record.Kind.starts_with("niemetal"))
        return ElementClass::Nonmetal;
    if (record.Kind.starts_with("półmetal"))
        return ElementClass::Semimetal;
    return ElementClass::Metal;
}

const std::string& ShownName(const TPierwData& record, bool latin)
{
    return latin ? record.LatinName : record.PolishName;
}

const std::string& ShownName(const TShortPierwData& record, bool latin)
{
    return latin ? record.LatinName : record.PolishName;
}
