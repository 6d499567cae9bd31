// The settings of the two print dialogs as values: what the settings store
// reads at start-up and writes at shutdown, and what a dialog takes when it
// is built and gives back.
#pragma once

#include <QString>
#include <QStringList>

// The wall chart's print settings. A size of 0 means none chosen.
struct TablePrintSettings {
    QString fontName;
    int symbolSize = 16;
    int dataSize = 7;
    int scale = 10;
    int fieldSize = 8;
    bool fieldBold = true;
    QStringList fieldLines; // the information field, line by line
    bool operator==(const TablePrintSettings&) const = default;
};

// The data report's print settings. A size of 0 means none chosen.
struct ReportPrintSettings {
    QString fontName;
    int size = 12;
    bool operator==(const ReportPrintSettings&) const = default;
};

struct PrintSettings {
    TablePrintSettings table;
    ReportPrintSettings report;
};

// The scale and sizes the lists offer: 1 up to these.
constexpr int MaxScale = 20;
constexpr int MaxFontSize = 25;
