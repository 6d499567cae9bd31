// The texts made from one element record: the data panel's rows and the
// 14-line block that is copied, saved or printed in the data report.
#pragma once

#include "data/DaneTypes.h"

#include <QString>
#include <QStringList>

// The block's three forms differ in their first line and the density label.
enum class TextVariant { Clipboard, File, Report };

// The 14 lines joined by CR LF, without a line break after the last one.
QString BuildElementText(const TPierwData& record, TextVariant variant);

// "K: 1 L: 0 M: 0 N: 0 O: 0 P: 0 Q: 0"
QString ShellText(const TPierwData& record);

// The data panel: 13 row captions, 13 long names for the status line, and
// the 13 values of one record.
extern const QStringList PanelRowCaptions;
extern const QStringList PanelRowNames;
QStringList PanelRowValues(const TPierwData& record);
