// The text of the data report: a header line and a 14-line block for every
// chosen element, each line ended by CR LF, as it is sent to the printer.
#pragma once

#include "data/DaneTypes.h"
#include "data/ElementTables.h"

#include <QString>

#include <array>
#include <vector>

// "***Dane Pierwiastków Chemicznych*** - Zefirak 2.5.1.FREE", without its line break.
extern const QString ReportHeader;

// An empty line, then the element's data, every value as stored; the name is
// the record's Name, so it follows the shown language.
QString ReportBlock(const TPierwData& record);

// The header line and the blocks of the given atomic numbers in ascending
// order, whatever order they come in; repeats and numbers outside 1-111 are
// left out.
QString ReportText(const std::vector<int>& elements, const std::array<TPierwData, ElementCount>& table = ElementTable);
