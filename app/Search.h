// Finding an element by what the user typed.
#pragma once

#include <QString>

// Keeps the characters whose Windows-1250 code is above 64 ('@'): digits,
// spaces and punctuation are dropped. Characters outside the code page are
// dropped too.
QString FilterSearchText(const QString& text);

// Capitals for the ASCII and Polish lower-case letters; everything else stays.
QString UpcasePL(const QString& text);

// What the search box shows for a typed character: its capital, or the
// character itself when the capital is not in Windows-1250 (µ would become
// Greek Mu, which the filter then drops).
QChar UpcaseTyped(QChar c);

// The lowest atomic number whose symbol, shown name or Latin name, in
// capitals, equals text exactly; 0 when none does. Reads ShortTable.
int FindElement(const QString& text);
