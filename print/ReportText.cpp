#include "print/ReportText.h"

#include "data/ElementText.h"
#include "data/ProgramInfo.h"

#include <algorithm>

namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

const QString ReportHeader =
    QStringLiteral("***Dane Pierwiastków Chemicznych*** - ") + ProgramName() + QLatin1Char(' ') + ProgramVersion();

QString ReportBlock(const TPierwData& r) { return BuildElementText(r, TextVariant::Report) + CrLf; }

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
