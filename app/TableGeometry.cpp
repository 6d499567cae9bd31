#include "app/TableGeometry.h"

#include "data/ElementFacts.h"

int ButtonColumn(int z)
{
    const TablePlace place = PlaceOf(z);
    return place.row >= 8 ? place.column - 2 : place.column;
}

QRect ElementButtonRect(int z)
{
    const int row = PlaceOf(z).row;
    int top = 88 + 24 * (row - 1);
    if (row == 8)
        top = 280;
    else if (row == 9)
        top = 304;
    return QRect(NormalColumnLeft(ButtonColumn(z)), top, 31, 22);
}

QRect CompactElementButtonRect(int z)
{
    const QRect normal = ElementButtonRect(z);
    return QRect(CompactColumnLeft(ButtonColumn(z)), normal.top(), 25, normal.height());
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
