#include "app/TableLoading.h"

#include "data/Dane.h"
#include "data/ElementTables.h"
#include "platform/Messages.h"

#include <memory>

void LoadShortTable()
{
    // The work array is released on every path, also if a copy throws.
    auto work = std::make_unique<std::array<TShortPierwData, ElementCount>>();
    GetShortPierwArray(work->data());
    for (int i = 0; i < ElementCount; ++i)
        ShortTable[i] = (*work)[i];
}

void LoadElementTable()
{
    auto work = std::make_unique<std::array<TPierwData, ElementCount>>();
    GetLongPierwArray(work->data());
    for (int i = 0; i < ElementCount; ++i)
        ElementTable[i] = (*work)[i];
    CheckElementNames();
}

void CheckElementNames()
{
    for (const TPierwData& record : ElementTable) {
        if (record.Name != record.PolishName) {
            ShowNotice(QString::fromStdString(record.PolishName) + QLatin1Char('/')
                           + QString::fromStdString(record.Name),
                       nkInformation);
        }
    }
}
