// The three exports as a caller uses them: what they write, that they
// replace whatever the destination held, and that they write no further
// than the 111 records.
#include "tests/data/DaneCopies.h"

#include <QTest>

#include <vector>

using namespace dane_test;

namespace {

const std::string LongText(200, 'x'); // beyond any short-string buffer

TPierwData Junk()
{
    TPierwData d;
    for (std::string* s : {&d.Symbol,       &d.Name,         &d.Kind,           &d.State,
                           &d.AtomicNumber, &d.AtomicMass,   &d.OxideCharacter, &d.Electronegativity,
                           &d.Density,      &d.MeltingPoint, &d.BoilingPoint,   &d.IsotopeCount,
                           &d.Discovered,   &d.AtomicRadius, &d.ShellK,         &d.ShellL,
                           &d.ShellM,       &d.ShellN,       &d.ShellO,         &d.ShellP,
                           &d.ShellQ,       &d.LatinName,    &d.PolishName})
        *s = LongText;
    d.LeftNeighbour = d.RightNeighbour = d.UpNeighbour = d.DownNeighbour = -7;
    return d;
}

const TShortPierwData ShortJunk = {LongText, "stara nazwa", LongText, "x"};

} // namespace

class TestExports : public QObject {
    Q_OBJECT

private slots:
    void shortRecordsHoldTheNamesAndStopAtTheLastElement()
    {
        // One record more than the library may write, to see that it stops.
        std::vector<TShortPierwData> dest(ElementCount + 1, ShortJunk);
        GetShortPierwArray(dest.data());
        for (int z = 1; z <= ElementCount; ++z) {
            const TShortPierwData& s = dest[z - 1];
            QCOMPARE(s.Symbol, Element(z).Symbol);
            QVERIFY2(s.DisplayName.empty(), qPrintable(Q(s.Symbol)));
            QCOMPARE(s.PolishName, Element(z).PolishName);
            QCOMPARE(s.LatinName, Element(z).LatinName);
        }
        QCOMPARE(dest[26 - 1].PolishName, std::string("Żelazo"));
        QCOMPARE(dest[26 - 1].LatinName, std::string("Ferrum"));
        QCOMPARE(dest[ElementCount].DisplayName, ShortJunk.DisplayName);
        QCOMPARE(dest[ElementCount].Symbol, LongText);
    }

    void longRecordsOverwriteEveryFieldAndStopAtTheLastElement()
    {
        std::vector<TPierwData> dest(ElementCount + 1, Junk());
        GetLongPierwArray(dest.data());
        for (int z = 1; z <= ElementCount; ++z)
            for (const FieldRef& f : AllFields)
                QVERIFY2(f.get(dest[z - 1]) == f.get(Element(z)),
                         qPrintable(QStringLiteral("Z=%1 %2").arg(z).arg(f.name)));
        QCOMPARE(dest[ElementCount].Symbol, LongText);
        QCOMPARE(dest[ElementCount].DownNeighbour, -7);
        QCOMPARE(dest[80 - 1].MeltingPoint, std::string("-38.83 C"));
    }

    // The library keeps no state: a caller changing its copy does not
    // change what the next call delivers.
    void copiesBelongToTheCaller()
    {
        std::vector<TPierwData> first(ElementCount);
        GetLongPierwArray(first.data());
        first[0].Name = "Hydrogenium";
        first[0].UpNeighbour = 5;
        std::vector<TPierwData> second(ElementCount);
        GetLongPierwArray(second.data());
        QCOMPARE(second[0].Name, std::string("Wodór"));
        QCOMPARE(second[0].UpNeighbour, 0);
    }

    void versionNamesTheReleaseAndTheAddress()
    {
        TDaneVersion v{LongText, LongText, LongText, LongText};
        GetVersion(&v);
        QCOMPARE(v.Version, std::string("1.0b"));
        QCOMPARE(v.ReleaseDate, std::string("15 kwietnia 2008"));
        QVERIFY(!v.Credits.empty() && v.Credits != LongText);
        const std::string head = "Baza zawiera dane o 111 pierwiastkach oficialnie sklasyfikowanych przez IUPAC\r\n";
        QCOMPARE(v.Description.substr(0, head.size()), head);
        const QString address = Q(v.Description.substr(head.size()));
        QVERIFY2(address.startsWith(QLatin1String("http://")) || address.startsWith(QLatin1String("https://")),
                 qPrintable(address));
        QVERIFY2(!address.contains(QLatin1Char(' ')) && !address.contains(QLatin1Char('\n'))
                     && !address.contains(QLatin1Char('\r')),
                 qPrintable(address));
    }
};

QTEST_APPLESS_MAIN(TestExports)
#include "tst_exports.moc"
