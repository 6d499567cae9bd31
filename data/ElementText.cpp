#include "data/ElementText.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

} // namespace

const QStringList PanelRowCaptions = {
    QStringLiteral("Pierwiastek:"),   QStringLiteral("Stan skup.:"),  QStringLiteral("Liczba at.:"),
    QStringLiteral("Masa at.[u]:"),   QStringLiteral("Char. tleku:"), QStringLiteral("Elektrouj.[eV]:"),
    QStringLiteral("Gęst.[g/cm3]:"),  QStringLiteral("Temp. topn.:"), QStringLiteral("Temp. wrz.:"),
    QStringLiteral("Liczba izot.:"),  QStringLiteral("R. odkrycia:"), QStringLiteral("Promień at.:"),
    QStringLiteral("Konf. elektr.:"),
};

const QStringList PanelRowNames = {
    QStringLiteral("Pierwiastek"),
    QStringLiteral("Stan skupienia:"),
    QStringLiteral("Liczba atomowa:"),
    QStringLiteral("Masa atomowa [u]:"),
    QStringLiteral("Charakter tlenku:"),
    QStringLiteral("Elejktroujemność wg. Paulinga [eV]:"),
    QStringLiteral("Gęstość [g/cm sześcienny]:"),
    QStringLiteral("Temperatura topnienia:"),
    QStringLiteral("Temperatura wrzenia:"),
    QStringLiteral("Liczba izotopów stałych:"),
    QStringLiteral("Rok odkrycia:"),
    QStringLiteral("Promień atomu:"),
    QStringLiteral("Konfiguracja elektronowa:"),
};

QString ShellText(const TPierwData& r)
{
    return QStringLiteral("K: ") + Q(r.ShellK) + QStringLiteral(" L: ") + Q(r.ShellL) + QStringLiteral(" M: ")
           + Q(r.ShellM) + QStringLiteral(" N: ") + Q(r.ShellN) + QStringLiteral(" O: ") + Q(r.ShellO)
           + QStringLiteral(" P: ") + Q(r.ShellP) + QStringLiteral(" Q: ") + Q(r.ShellQ);
}

QStringList PanelRowValues(const TPierwData& r)
{
    return {
        Q(r.Symbol) + QStringLiteral(" - ") + Q(r.Name),
        Q(r.State),
        Q(r.AtomicNumber),
        Q(r.AtomicMass),
        Q(r.OxideCharacter),
        Q(r.Electronegativity),
        Q(r.Density),
        Q(r.MeltingPoint),
        Q(r.BoilingPoint),
        Q(r.IsotopeCount),
        Q(r.Discovered),
        Q(r.AtomicRadius),
        ShellText(r),
    };
}

QString BuildElementText(const TPierwData& r, TextVariant variant)
{
    const QString densityLabel = variant == TextVariant::Clipboard ? QStringLiteral("Gęstość [g/cm sześcienny]: ")
                                 : variant == TextVariant::File    ? QStringLiteral("Gęstość: [g/cm sześcienny]")
                                                                   : QStringLiteral("Gęstość: [g/cm sześcienny]: ");
    const QString density = densityLabel + Q(r.Density);
    const QStringList lines = {
        variant == TextVariant::Report ? QString() : QStringLiteral("***Dane Pierwiastka Chemicznego***"),
        QStringLiteral("Pierwiastek: ") + Q(r.Symbol) + QStringLiteral(" - ") + Q(r.Name),
        QStringLiteral("Stan skupienia: ") + Q(r.State),
        QStringLiteral("Liczba atomowa: ") + Q(r.AtomicNumber),
        QStringLiteral("Masa atomowa: ") + Q(r.AtomicMass),
        QStringLiteral("Charakter tlenku: ") + Q(r.OxideCharacter),
        QStringLiteral("Elektroujemność: ") + Q(r.Electronegativity),
        density,
        QStringLiteral("Temperatura topnienia: ") + Q(r.MeltingPoint),
        QStringLiteral("Temperatura wrzenia: ") + Q(r.BoilingPoint),
        QStringLiteral("Liczba izotopów stałych: ") + Q(r.IsotopeCount),
        QStringLiteral("Rok odkrycia: ") + Q(r.Discovered),
        QStringLiteral("Promień atomu: ") + Q(r.AtomicRadius),
        QStringLiteral("Liczba elektronów w powłokach: ") + ShellText(r),
    };
    return lines.join(QStringLiteral("\r\n"));
}
