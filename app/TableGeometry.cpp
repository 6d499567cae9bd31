#include "app/TableGeometry.h"

GridCell ElementCell(int z)
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
        return {z - 57, 8};
    if (z >= 90 && z <= 103)
        return {z - 89, 9};
    const int row = z <= 86 ? 6 : 7;
    const int first = row == 6 ? 55 : 87;
    if (z <= first + 2)
        return {z - first + 1, row};             // Cs Ba La / Fr Ra Ac
    return {z - (row == 6 ? 72 : 104) + 4, row}; // Hf..Rn / Rf..Rg from column 4
}

QRect ElementButtonRect(int z)
{
    const GridCell cell = ElementCell(z);
    int top = 88 + 24 * (cell.row - 1);
    if (cell.row == 8)
        top = 280;
    else if (cell.row == 9)
        top = 304;
    return QRect(NormalColumnLeft(cell.column), top, 31, 22);
}

QRect CompactElementButtonRect(int z)
{
    const QRect normal = ElementButtonRect(z);
    return QRect(CompactColumnLeft(ElementCell(z).column), normal.top(), 25, normal.height());
}

const std::array<CompactPlace, 17> CompactPlaces = {{
    {"Bevel1", 384, 0},
    {"Label37", 395, 0},
    {"Label34", 392, 0},
    {"Label35", 392, 0},
    {"Label36", 392, 0},
    {"Dane", 475, 0},
    {"zegar", 490, 0},
    {"OriginalToolbarButton971", 480, 0},
    {"OriginalToolbarButton972", 480, 0},
    {"OriginalToolbarButton973", 480, 0},
    {"szukany", 370, 0},
    {"Szukaj", 450, 0},
    {"ToolbarButton973", 580, 0},
    {"ToolbarButton972", 605, 0},
    {"OriginalToolbarButton974", 8, 145},
    {"ToolbarButton971", 165, 85},
    {"ToolbarButton974", 255, 105},
}};

QString GroupPeriodText(int x, int y)
{
    const QString fatal = QStringLiteral("FATAL ERROR!");
    if (y < 88 || x < 16)
        return fatal;

    static const int periodBottoms[] = {110, 134, 158, 182, 206, 230, 254, 302, 326};
    static const char* const periodNames[] = {"1", "2", "3", "4", "5", "6", "7", "6", "7"};
    QString period;
    for (int i = 0; i < 9 && period.isEmpty(); ++i)
        if (y <= periodBottoms[i])
            period = QLatin1String(periodNames[i]);
    if (period.isEmpty())
        return fatal;

    int group = 0;
    for (int g = 1; g <= 18 && group == 0; ++g)
        if (x <= 47 + 32 * (g - 1))
            group = g;
    if (group == 0)
        return fatal;

    return QStringLiteral(" okres ") + period + QStringLiteral(" grupa ") + QString::number(group);
}
