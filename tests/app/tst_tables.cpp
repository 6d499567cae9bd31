#include "app/TForm1.h"
#include "app/TableLoading.h"
#include "data/Dane.h"
#include "data/ElementTables.h"
#include "tests/app/FakeMessages.h"

#include <QtTest>

class TestTables : public QObject {
    Q_OBJECT
private slots:
    void shortTableArrivesWithoutShownNames()
    {
        ShortTable[0].DisplayName = "stale";
        LoadShortTable();
        for (const TShortPierwData& r : ShortTable)
            QVERIFY2(r.DisplayName.empty(), r.Symbol.c_str());
        QCOMPARE(ShortTable[0].Symbol, std::string("H"));
        QCOMPARE(ShortTable[25].PolishName, std::string("Żelazo"));
        QCOMPARE(ShortTable[110].LatinName, std::string("Roentgenium"));
    }

    void elementTableIsAnIndependentCopy()
    {
        FakeMessages fake;
        LoadElementTable();
        QVERIFY(fake.boxes.isEmpty()); // the delivered table has no differing names

        std::vector<TPierwData> fromLibrary(ElementCount);
        GetLongPierwArray(fromLibrary.data());
        for (int i = 0; i < ElementCount; ++i) {
            QCOMPARE(ElementTable[i].Symbol, fromLibrary[i].Symbol);
            QCOMPARE(ElementTable[i].AtomicMass, fromLibrary[i].AtomicMass);
            QCOMPARE(ElementTable[i].DownNeighbour, fromLibrary[i].DownNeighbour);
        }
        ElementTable[0].Name = "changed";
        GetLongPierwArray(fromLibrary.data());
        QCOMPARE(fromLibrary[0].Name, std::string("Wodór"));
    }

    void nameCheckReportsEachDifferenceInOrder()
    {
        FakeMessages fake;
        LoadElementTable();
        ElementTable[7].Name = "Oxygenium";
        ElementTable[1].Name = "hel"; // case counts
        CheckElementNames();
        QCOMPARE(fake.boxes.size(), 2);
        QCOMPARE(fake.boxes[0].text, QStringLiteral("Hel/hel"));
        QCOMPARE(fake.boxes[1].text, QStringLiteral("Tlen/Oxygenium"));
        for (const RecordedBox& box : fake.boxes) {
            QCOMPARE(box.caption, QStringLiteral("Informacja"));
            QCOMPARE(box.flags, 64);
        }
        LoadElementTable(); // a reload restores every record
        QCOMPARE(fake.boxes.size(), 2);
    }

    void latinSwitchesShownNamesBothWays()
    {
        FakeMessages fake;
        TForm1 form; // its creation loads both tables
        form.SetLatin(true);
        QCOMPARE(ShortTable[0].DisplayName, std::string("Hydrogenium"));
        QCOMPARE(ElementTable[95].Name, std::string("Currium"));
        QCOMPARE(ElementTable[95].PolishName, std::string("Kiur"));
        form.SetLatin(false);
        QCOMPARE(ShortTable[0].DisplayName, std::string("Wodór"));
        QCOMPARE(ElementTable[95].Name, std::string("Kiur"));
        QCOMPARE(ShortTable[95].LatinName, std::string("Currium"));
    }
};

QTEST_MAIN(TestTables)
#include "tst_tables.moc"
