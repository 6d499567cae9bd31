// Copies taken from the library stay whole after it is unloaded: the library
// is opened at run time here (this test is not linked against it), copied
// from, closed, and only then are the copies read.
#include "data/DaneTypes.h"

#include <QByteArray>
#include <QTest>

#include <dlfcn.h>

#include <array>
#include <memory>

namespace {

QByteArray Serialise(const std::array<TPierwData, ElementCount>& table,
                     const std::array<TShortPierwData, ElementCount>& shortTable, const TDaneVersion& v)
{
    QByteArray out;
    auto add = [&out](const std::string& s) { out.append(s.data(), qsizetype(s.size())).append('\0'); };
    for (const TPierwData& d : table) {
        for (const std::string* s : {&d.Symbol,       &d.Name,         &d.Kind,           &d.State,
                                     &d.AtomicNumber, &d.AtomicMass,   &d.OxideCharacter, &d.Electronegativity,
                                     &d.Density,      &d.MeltingPoint, &d.BoilingPoint,   &d.IsotopeCount,
                                     &d.Discovered,   &d.AtomicRadius, &d.ShellK,         &d.ShellL,
                                     &d.ShellM,       &d.ShellN,       &d.ShellO,         &d.ShellP,
                                     &d.ShellQ,       &d.LatinName,    &d.PolishName})
            add(*s);
        for (int n : {d.LeftNeighbour, d.RightNeighbour, d.UpNeighbour, d.DownNeighbour})
            add(std::to_string(n));
    }
    for (const TShortPierwData& s : shortTable)
        for (const std::string* t : {&s.Symbol, &s.DisplayName, &s.PolishName, &s.LatinName})
            add(*t);
    for (const std::string* t : {&v.Version, &v.ReleaseDate, &v.Credits, &v.Description})
        add(*t);
    return out;
}

} // namespace

class TestUnload : public QObject {
    Q_OBJECT

private slots:
    void copiesOutliveTheLibrary()
    {
        void* lib = dlopen(DANE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        QVERIFY2(lib, dlerror());
        using LongFn = void (*)(TPierwData*);
        using ShortFn = void (*)(TShortPierwData*);
        using VersionFn = void (*)(TDaneVersion*);
        const auto getLong = reinterpret_cast<LongFn>(dlsym(lib, "GetLongPierwArray"));
        const auto getShort = reinterpret_cast<ShortFn>(dlsym(lib, "GetShortPierwArray"));
        const auto getVersion = reinterpret_cast<VersionFn>(dlsym(lib, "GetVersion"));
        QVERIFY(getLong && getShort && getVersion);

        auto table = std::make_unique<std::array<TPierwData, ElementCount>>();
        auto shortTable = std::make_unique<std::array<TShortPierwData, ElementCount>>();
        TDaneVersion version;
        getLong(table->data());
        getShort(shortTable->data());
        getVersion(&version);
        const QByteArray before = Serialise(*table, *shortTable, version);

        QCOMPARE(dlclose(lib), 0);
        // Make sure it is really gone, or the rest proves nothing.
        QVERIFY2(!dlopen(DANE_LIBRARY, RTLD_NOW | RTLD_NOLOAD), "the library stayed loaded");

        QCOMPARE(Serialise(*table, *shortTable, version), before);
        QCOMPARE((*table)[25].Name, std::string("Żelazo"));
        QCOMPARE((*table)[110].AtomicMass, std::string("(272.1)"));
        QCOMPARE((*shortTable)[0].LatinName, std::string("Hydrogenium"));
        QCOMPARE(version.ReleaseDate, std::string("15 kwietnia 2008"));
        // The copies are still the caller's to change and release.
        (*table)[0].Name += " (H)";
        QCOMPARE((*table)[0].Name, std::string("Wodór (H)"));
        table.reset();
        shortTable.reset();
    }
};

QTEST_APPLESS_MAIN(TestUnload)
#include "tst_unload.moc"
