#include "data/ElementTables.h"

#include "data/ElementFacts.h"

std::array<TPierwData, ElementCount> ElementTable;
std::array<TShortPierwData, ElementCount> ShortTable;
int SelectedElement = -1;

void SetShownNames(bool latin)
{
    for (TPierwData& record : ElementTable)
        record.Name = ShownName(record, latin);
    for (TShortPierwData& record : ShortTable)
        record.DisplayName = ShownName(record, latin);
}
