// The facts every view of an element shares, checked against the records
// the library gives out.
#include "data/ElementFacts.h"
#include "tests/data/DaneCopies.h"

#include <QTest>

#include <set>

using dane_test::Element;

class TestElementFacts : public QObject {
    Q_OBJECT
private slots:
    void everyElementHasItsOwnPlaceAndIsFoundThere();
    void placesFollowTheLibrarysNeighbours();
    void classesAreTheSchoolTablesOnes();
    void shownNameFollowsTheLatinSwitch();
};

void TestElementFacts::everyElementHasItsOwnPlaceAndIsFoundThere()
{
    std::set<std::pair<int, int>> taken;
    for (int z = 1; z <= ElementCount; ++z) {
        const TablePlace place = PlaceOf(z);
        QVERIFY2(place.column >= 1 && place.column <= 18 && place.row >= 1 && place.row <= 9,
                 Element(z).Symbol.c_str());
        QVERIFY2(taken.insert({place.column, place.row}).second, Element(z).Symbol.c_str());
        QCOMPARE(ElementAt(place.column, place.row), z);
    }
    QCOMPARE(ElementAt(2, 1), 0);  // the gap of the first period
    QCOMPARE(ElementAt(12, 7), 0); // after Rg
    QCOMPARE(ElementAt(0, 1), 0);
    QCOMPARE(ElementAt(19, 1), 0);
    QCOMPARE(ElementAt(1, 10), 0);
    // The f-block: La and Ac in column 3 of their periods, Ce..Lu and Th..Lr
    // in columns 3..16 of the rows below.
    QCOMPARE(PlaceOf(57).column, 3);
    QCOMPARE(PlaceOf(89).column, 3);
    QCOMPARE(PlaceOf(58).column, 3);
    QCOMPARE(PlaceOf(58).row, 8);
    QCOMPARE(PlaceOf(103).column, 16);
    QCOMPARE(PlaceOf(103).row, 9);
}

void TestElementFacts::placesFollowTheLibrarysNeighbours()
{
    for (int z = 1; z <= ElementCount; ++z) {
        const TPierwData& r = Element(z);
        const TablePlace place = PlaceOf(z);
        if (r.RightNeighbour != 0) {
            QCOMPARE(PlaceOf(r.RightNeighbour).row, place.row);
            QVERIFY2(PlaceOf(r.RightNeighbour).column > place.column, r.Symbol.c_str());
        }
        if (r.LeftNeighbour != 0 && PlaceOf(r.LeftNeighbour).row == place.row)
            QVERIFY2(PlaceOf(r.LeftNeighbour).column < place.column, r.Symbol.c_str());
        // La and Ac lead down into their f-block rows, which lie below.
        if (r.UpNeighbour != 0 && z != 57 && z != 89)
            QVERIFY2(PlaceOf(r.UpNeighbour).row < place.row, r.Symbol.c_str());
    }
}

void TestElementFacts::classesAreTheSchoolTablesOnes()
{
    const std::set<int> semimetals = {5, 14, 32, 33, 51, 52};
    const std::set<int> nonmetals = {1, 2, 6, 7, 8, 9, 10, 15, 16, 17, 18, 34, 35, 36, 53, 54, 85, 86};
    for (int z = 1; z <= ElementCount; ++z) {
        const ElementClass expected = semimetals.contains(z)  ? ElementClass::Semimetal
                                      : nonmetals.contains(z) ? ElementClass::Nonmetal
                                                              : ElementClass::Metal;
        QVERIFY2(ClassOf(Element(z)) == expected, Element(z).Symbol.c_str());
    }
    TPierwData unknown;
    unknown.Kind = "b.d.";
    QVERIFY(ClassOf(unknown) == ElementClass::Metal);
}

void TestElementFacts::shownNameFollowsTheLatinSwitch()
{
    QCOMPARE(ShownName(Element(26), false), std::string("Żelazo"));
    QCOMPARE(ShownName(Element(26), true), std::string("Ferrum"));
    for (int z = 1; z <= ElementCount; ++z) {
        QCOMPARE(ShownName(Element(z), false), Element(z).PolishName);
        QCOMPARE(ShownName(Element(z), true), Element(z).LatinName);
    }
}

QTEST_APPLESS_MAIN(TestElementFacts)
#include "tst_elementfacts.moc"
