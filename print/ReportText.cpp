#include "print/ReportText.h"

#include <algorithm>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

const QString CrLf = QStringLiteral("\r\n");

} // namespace

const QString ReportHeader = QStringLiteral("***Dane Pierwiastków Chemicznych*** - Zefirak 2.5.1.FREE");

QString ReportBlock(const TPierwData& r)
{
    const QString lines[] = {
        QString(),
        QStringLiteral("Pierwiastek: ") + Q(r.Symbol) + QStringLiteral(" - ") + Q(r.Name),
        QStringLiteral("Stan skupienia: ") + Q(r.State),
        QStringLiteral("Liczba atomowa: ") + Q(r.AtomicNumber),
        QStringLiteral("Masa atomowa: ") + Q(r.AtomicMass),
        QStringLiteral("Charakter tlenku: ") + Q(r.OxideCharacter),
        QStringLiteral("Elektroujemność: ") + Q(r.Electronegativity),
        QStringLiteral("Gęstość: [g/cm sześcienny]: ") + Q(r.Density),
        QStringLiteral("Temperatura topnienia: ") + Q(r.MeltingPoint),
        QStringLiteral("Temperatura wrzenia: ") + Q(r.BoilingPoint),
        QStringLiteral("Liczba izotopów stałych: ") + Q(r.IsotopeCount),
        QStringLiteral("Rok odkrycia: ") + Q(r.Discovered),
        QStringLiteral("Promień atomu: ") + Q(r.AtomicRadius),
        QStringLiteral("Liczba elektronów w powłokach: K: ") + Q(r.ShellK) + QStringLiteral(" L: ") + Q(r.ShellL)
            + QStringLiteral(" M: ") + Q(r.ShellM) + QStringLiteral(" N: ") + Q(r.ShellN) + QStringLiteral(" O: ")
            + Q(r.ShellO) + QStringLiteral(" P: ") + Q(r.ShellP) + QStringLiteral(" Q: ") + Q(r.ShellQ),
    };
    QString block;
    for (const QString& line : lines)
        block += line + CrLf;
    return block;
}

QString ReportText(const std::vector<int>& elements, const std::array<TPierwData, ElementCount>& table)
{
    std::vector<int> chosen;
    for (int z : elements) {
        if (z >= 1 && z <= ElementCount)
            chosen.push_back(z);
    }
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());

    QString text = ReportHeader + CrLf;
    for (int z : chosen)
        text += ReportBlock(table[z - 1]);
    return text;
}
