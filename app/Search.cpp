#include "app/Search.h"

#include "data/Cp1250.h"
#include "data/ElementTables.h"

namespace {

const QString Lower = QStringLiteral("aąbcćdeęfghijklłmnńoópqrsśtuvwxyzżź");
const QString Upper = QStringLiteral("AĄBCĆDEĘFGHIJKLŁMNŃOÓPQRSŚTUVWXYZŻŹ");

} // namespace

QString FilterSearchText(const QString& text)
{
    QString kept;
    for (QChar c : text)
        if (Cp1250Code(c) > 64)
            kept.append(c);
    return kept;
}

QString UpcasePL(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        const qsizetype at = Lower.indexOf(c);
        if (at >= 0)
            c = Upper[at];
    }
    return out;
}

QChar UpcaseTyped(QChar c)
{
    const QChar upper = c.toUpper();
    return Cp1250Code(upper) >= 0 ? upper : c;
}

int FindElement(const QString& text)
{
    for (int n = 1; n <= ElementCount; ++n) {
        const TShortPierwData& e = ShortTable[n - 1];
        if (text == UpcasePL(QString::fromStdString(e.Symbol))
            || text == UpcasePL(QString::fromStdString(e.DisplayName))
            || text == UpcasePL(QString::fromStdString(e.LatinName)))
            return n;
    }
    return 0;
}
