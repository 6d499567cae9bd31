// The element table as the program receives it: names and order, the fully
// given records, the value markers and formats, and the neighbour fields.
#include "tests/data/DaneCopies.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTest>

#include <array>
#include <set>

using namespace dane_test;

namespace {

struct Names {
    const char* symbol;
    const char* name;
    const char* latin;
    const char* kind;
    const char* state;
};

const Names ExpectedNames[ElementCount] = {
    {"H", "Wodór", "Hydrogenium", "niemetal", "gaz"},                    // 1
    {"He", "Hel", "Helium", "niemetal", "gaz"},                          // 2
    {"Li", "Lit", "Lithium", "metal", "stały"},                          // 3
    {"Be", "Beryl", "Beryllium", "metal", "stały"},                      // 4
    {"B", "Bor", "Borum", "półmetal", "stały"},                          // 5
    {"C", "Węgiel", "Carboneum", "niemetal", "stały"},                   // 6
    {"N", "Azot", "Nitrogenium", "niemetal", "gaz"},                     // 7
    {"O", "Tlen", "Oxygenium", "niemetal", "gaz"},                       // 8
    {"F", "Fluor", "Fluorum", "niemetal", "gaz"},                        // 9
    {"Ne", "Neon", "Neon", "niemetal", "gaz"},                           // 10
    {"Na", "Sód", "Natrium", "metal", "stały"},                          // 11
    {"Mg", "Magnez", "Magnesium", "metal", "stały"},                     // 12
    {"Al", "Glin", "Aluminium", "metal", "stały"},                       // 13
    {"Si", "Krzem", "Silicium", "półmetal", "stały"},                    // 14
    {"P", "Fosfor", "Phosphorus", "niemetal", "stały"},                  // 15
    {"S", "Siarka", "Sulfur", "niemetal", "stały"},                      // 16
    {"Cl", "Chlor", "Chlorum", "niemetal", "gaz"},                       // 17
    {"Ar", "Argon", "Argon", "niemetal", "gaz"},                         // 18
    {"K", "Potas", "Kalium", "metal", "stały"},                          // 19
    {"Ca", "Wapń", "Calcium", "metal", "stały"},                         // 20
    {"Sc", "Skand", "Scandium", "metal", "stały"},                       // 21
    {"Ti", "Tytan", "Titanium", "metal", "stały"},                       // 22
    {"V", "Wanad", "Vanadium", "metal", "stały"},                        // 23
    {"Cr", "Chrom", "Chromium", "metal", "stały"},                       // 24
    {"Mn", "Mangan", "Manganum", "metal", "stały"},                      // 25
    {"Fe", "Żelazo", "Ferrum", "metal", "stały"},                        // 26
    {"Co", "Kobalt", "Cobaltum", "metal", "stały"},                      // 27
    {"Ni", "Nikiel", "Niccolum", "metal", "stały"},                      // 28
    {"Cu", "Miedź", "Cuprum", "metal", "stały"},                         // 29
    {"Zn", "Cynk", "Zincum", "metal", "stały"},                          // 30
    {"Ga", "Gal", "Gallium", "metal", "stały"},                          // 31
    {"Ge", "German", "Germanium", "półmetal", "stały"},                  // 32
    {"As", "Arsen", "Arsenicum", "półmetal", "stały"},                   // 33
    {"Se", "Selen", "Selenium", "niemetal", "stały"},                    // 34
    {"Br", "Brom", "Bromum", "niemetal", "ciecz"},                       // 35
    {"Kr", "Krypton", "Krypton", "niemetal", "gaz"},                     // 36
    {"Rb", "Rubid", "Rubidium", "metal", "stały"},                       // 37
    {"Sr", "Stront", "Strontium", "metal", "stały"},                     // 38
    {"Y", "Itr", "Yttrium", "metal", "stały"},                           // 39
    {"Zr", "Cyrkon", "Zirconium", "metal", "stały"},                     // 40
    {"Nb", "Niob", "Niobum", "metal", "stały"},                          // 41
    {"Mo", "Molibden", "Molibdaenium", "metal", "stały"},                // 42
    {"Tc", "Technet", "Technetium", "metal", "syntet."},                 // 43
    {"Ru", "Ruten", "Ruthenium", "metal", "stały"},                      // 44
    {"Rh", "Rod", "Rhodium", "metal", "stały"},                          // 45
    {"Pd", "Pallad", "Palladium", "metal", "stały"},                     // 46
    {"Ag", "Srebro", "Argentum", "metal", "stały"},                      // 47
    {"Cd", "Kadm", "Cadmium", "metal", "stały"},                         // 48
    {"In", "Ind", "Indium", "metal", "stały"},                           // 49
    {"Sn", "Cyna", "Stannum", "metal", "stały"},                         // 50
    {"Sb", "Antymon", "Stibium", "półmetal", "stały"},                   // 51
    {"Te", "Tellur", "Tellurium", "półmetal", "stały"},                  // 52
    {"I", "Jod", "Jodum", "niemetal", "stały"},                          // 53
    {"Xe", "Ksenon", "Xenon", "niemetal", "gaz"},                        // 54
    {"Cs", "Cez", "Caesium", "metal", "stały"},                          // 55
    {"Ba", "Bar", "Barium", "metal", "stały"},                           // 56
    {"La", "Lantan", "Lanthanum", "metal", "stały"},                     // 57
    {"Ce", "Cer", "Cerium", "metal,  lantanowiec", "stały"},             // 58
    {"Pr", "Prazeodym", "Praseodymium", "metal,  lantanowiec", "stały"}, // 59
    {"Nd", "Neodym", "Neodymium", "metal,  lantanowiec", "stały"},       // 60
    {"Pm", "Promet", "Promethium", "metal,  lantanowiec", "syntet."},    // 61
    {"Sm", "Samar", "Samarium", "metal,  lantanowiec", "stały"},         // 62
    {"Eu", "Europ", "Europium", "metal,  lantanowiec", "stały"},         // 63
    {"Gd", "Gadolin", "Gadolinium", "metal,  lantanowiec", "stały"},     // 64
    {"Tb", "Terb", "Terbium", "metal,  lantanowiec", "stały"},           // 65
    {"Dy", "Dysproz", "Dysprosium", "metal,  lantanowiec", "stały"},     // 66
    {"Ho", "Holm", "Holmium", "metal,  lantanowiec", "stały"},           // 67
    {"Er", "Erb", "Erbium", "metal,  lantanowiec", "stały"},             // 68
    {"Tm", "Tul", "Thulium", "metal,  lantanowiec", "stały"},            // 69
    {"Yb", "Iterb", "Ytterbium", "metal,  lantanowiec", "stały"},        // 70
    {"Lu", "Lutet", "Lutetium", "metal,  lantanowiec", "stały"},         // 71
    {"Hf", "Hafn", "Hafnium", "metal", "stały"},                         // 72
    {"Ta", "Tantal", "Tantalum", "metal", "stały"},                      // 73
    {"W", "Wolfram", "Wolfram", "metal", "stały"},                       // 74
    {"Re", "Ren", "Rhenium", "metal", "stały"},                          // 75
    {"Os", "Osm", "Osmium", "metal", "stały"},                           // 76
    {"Ir", "Iryd", "Iridium", "metal", "stały"},                         // 77
    {"Pt", "Platyna", "Platinum", "metal", "stały"},                     // 78
    {"Au", "Złoto", "Aurum", "metal", "stały"},                          // 79
    {"Hg", "Rtęć", "Hydrargyrum", "metal", "ciecz"},                     // 80
    {"Tl", "Tal", "Thallium", "metal", "stały"},                         // 81
    {"Pb", "Ołów", "Plumbum", "metal", "stały"},                         // 82
    {"Bi", "Bizmut", "Bismutum", "metal", "stały"},                      // 83
    {"Po", "Polon", "Polonium", "metal", "stały"},                       // 84
    {"At", "Astat", "Astatinum", "niemetal", "syntet."},                 // 85
    {"Rn", "Radon", "Radon", "niemetal", "gaz"},                         // 86
    {"Fr", "Frans", "Francium", "metal", "syntet."},                     // 87
    {"Ra", "Rad", "Radium", "metal", "stały"},                           // 88
    {"Ac", "Aktyn", "Actinium", "metal", "stały"},                       // 89
    {"Th", "Tor", "Thorium", "metal,  aktynowiec", "stały"},             // 90
    {"Pa", "Protaktyn", "Protactinium", "metal,  aktynowiec", "stały"},  // 91
    {"U", "Uran", "Uranium", "metal,  aktynowiec", "stały"},             // 92
    {"Np", "Neptun", "Neptunium", "metal,  aktynowiec", "syntet."},      // 93
    {"Pu", "Pluton", "Plutonium", "metal,  aktynowiec", "syntet."},      // 94
    {"Am", "Ameryk", "Americium", "metal,  aktynowiec", "syntet."},      // 95
    {"Cm", "Kiur", "Currium", "metal,  aktynowiec", "syntet."},          // 96
    {"Bk", "Berkel", "Berkelium", "metal,  aktynowiec", "syntet."},      // 97
    {"Cf", "Kaliforn", "Californium", "metal,  aktynowiec", "syntet."},  // 98
    {"Es", "Einstein", "Einsteinium", "metal,  aktynowiec", "syntet."},  // 99
    {"Fm", "Ferm", "Fermium", "metal,  aktynowiec", "syntet."},          // 100
    {"Md", "Mendelew", "Mendelevium", "metal,  aktynowiec", "syntet."},  // 101
    {"No", "Nobel", "Nobelium", "metal,  aktynowiec", "syntet."},        // 102
    {"Lr", "Lorens", "Lawrencium", "metal,  aktynowiec", "syntet."},     // 103
    {"Rf", "Rutherford", "Rutherfordium", "metal", "syntet."},           // 104
    {"Db", "Dubn", "Dubnium", "metal", "syntet."},                       // 105
    {"Sg", "Seaborg", "Seaborgium", "metal", "syntet."},                 // 106
    {"Bh", "Bohr", "Bohrium", "metal", "syntet."},                       // 107
    {"Hs", "Has", "Hassium", "metal", "syntet."},                        // 108
    {"Mt", "Meitner", "Meitnerium", "metal", "syntet."},                 // 109
    {"Ds", "Darmsztadt", "Darmstatdium", "metal", "syntet."},            // 110
    {"Rg", "Roentgen", "Roentgenium", "metal", "syntet."},               // 111
};

// The seven records given in full, every field in record order.
using Record = std::array<const char*, 27>;
const Record FullH = {"H",   "Wodór",  "niemetal",  "gaz",       "1",           "1.00794", "amfoteryczny",
                      "2.1", "0.0899", "-259.34 C", "-252.88 C", "3",           "1766",    "30",
                      "1",   "0",      "0",         "0",         "0",           "0",       "0",
                      "0",   "2",      "0",         "3",         "Hydrogenium", "Wodór"};
const Record FullS = {"S",       "Siarka",  "niemetal", "stały",   "16",  "32.066", "kwasowy", "2.5",    "2.07",
                      "119.6 C", "444.6 C", "16",       "staroż.", "104", "2",      "8",       "6",      "0",
                      "0",       "0",       "0",        "15",      "17",  "8",      "34",      "Sulfur", "Siarka"};
const Record FullHg = {"Hg",       "Rtęć",    "metal", "ciecz",   "80",  "200.59", "zasadowy", "1.9",         "13.534",
                       "-38.83 C", "356.9 C", "34",    "staroż.", "150", "2",      "8",        "18",          "32",
                       "18",       "2",       "0",     "79",      "81",  "48",     "69",       "Hydrargyrum", "Rtęć"};
const Record FullPm = {"Pm",       "Promet",     "metal,  lantanowiec",
                       "syntet.",  "61",         "(144.913)",
                       "zasadowy", "1.2",        "7.26",
                       "1042 C",   "2400 C",     "28",
                       "1947",     "183.4",      "2",
                       "8",        "18",         "23",
                       "8",        "2",          "0",
                       "60",       "62",         "104",
                       "93",       "Promethium", "Promet"};
const Record FullAc = {"Ac",    "Aktyn",    "metal", "stały", "89",  "(227.028)", "zasadowy", "(1.1)",    "10.1",
                       "817 C", "(3200) C", "28",    "1899",  "188", "2",         "8",        "18",       "32",
                       "18",    "9",        "2",     "88",    "104", "57",        "60",       "Actinium", "Aktyn"};
const Record FullLr = {"Lr",       "Lorens",     "metal,  aktynowiec",
                       "syntet.",  "103",        "(262.110)",
                       "zasadowy", "b.d.",       "b.d.",
                       "b.d.",     "b.d.",       "11",
                       "ok. 1965", "b.d.",       "2",
                       "8",        "18",         "32",
                       "32",       "9",          "2",
                       "102",      "0",          "71",
                       "0",        "Lawrencium", "Lorens"};
const Record FullRg = {"Rg",   "Roentgen", "metal", "syntet.", "111",  "(272.1)", "b.d.", "b.d.",        "b.d.",
                       "b.d.", "b.d.",     "1",     "1994",    "b.d.", "2",       "8",    "18",          "32",
                       "32",   "17",       "2",     "110",     "0",    "79",      "68",   "Roentgenium", "Roentgen"};

const std::pair<int, const Record*> FullRecords[] = {{1, &FullH},   {16, &FullS},   {80, &FullHg}, {61, &FullPm},
                                                     {89, &FullAc}, {103, &FullLr}, {111, &FullRg}};

std::set<int> Range(int from, int to, std::set<int> more = {})
{
    for (int z = from; z <= to; ++z)
        more.insert(z);
    return more;
}

enum class Mark { Plain, Paren, NoData };

Mark MarkOf(const std::string& s)
{
    if (s == "b.d.")
        return Mark::NoData;
    if (!s.empty() && s.front() == '(')
        return Mark::Paren;
    return Mark::Plain;
}

const char* MarkName(Mark m)
{
    switch (m) {
    case Mark::Plain:
        return "plain";
    case Mark::Paren:
        return "parentheses";
    case Mark::NoData:
        return "b.d.";
    }
    return "?";
}

// Where the values carry a marker. Everything not listed for a field must be
// a plain value.
struct MarkerRule {
    const char* field;
    std::string TPierwData::*member;
    std::set<int> paren;
    std::set<int> noData;
};

const std::set<int> NobleGases = {2, 10, 18, 36, 54, 86};

std::vector<MarkerRule> MarkerRules()
{
    const std::set<int> missing = Range(100, 111, {85, 87});
    return {
        {"AtomicMass", &TPierwData::AtomicMass, Range(93, 111, {43, 61, 84, 85, 86, 87, 88, 89}), {}},
        {"Electronegativity", &TPierwData::Electronegativity, {84, 85, 87, 88, 89}, Range(93, 111, NobleGases)},
        {"Density", &TPierwData::Density, {}, missing},
        {"MeltingPoint", &TPierwData::MeltingPoint, {}, Range(100, 111, {2, 85, 87})},
        {"BoilingPoint", &TPierwData::BoilingPoint, {89}, missing},
        {"AtomicRadius", &TPierwData::AtomicRadius, {88}, missing},
        {"OxideCharacter", &TPierwData::OxideCharacter, {}, Range(106, 111, {2, 8, 9, 10, 18, 36, 86})},
    };
}

// Column and row of every element, built from the layout of the printed
// table: each row is a list of runs (first Z, first column, length).
struct Run {
    int firstZ, firstColumn, length;
};
const std::vector<std::vector<Run>> Layout = {
    {{1, 1, 1}, {2, 18, 1}}, {{3, 1, 2}, {5, 13, 6}},   {{11, 1, 2}, {13, 13, 6}}, {{19, 1, 18}},
    {{37, 1, 18}},           {{55, 1, 3}, {72, 4, 15}}, {{87, 1, 3}, {104, 4, 8}}, {{58, 1, 14}}, // lanthanides
    {{90, 1, 14}},                                                                                // actinides
};

struct Grid {
    int at[10][19] = {}; // [row][column], 1-based, 0 = empty cell
    int row[ElementCount + 1] = {};
    int column[ElementCount + 1] = {};
};

Grid MakeGrid()
{
    Grid g;
    for (int r = 1; r <= 9; ++r)
        for (const Run& run : Layout[r - 1])
            for (int i = 0; i < run.length; ++i) {
                const int z = run.firstZ + i;
                g.at[r][run.firstColumn + i] = z;
                g.row[z] = r;
                g.column[z] = run.firstColumn + i;
            }
    return g;
}

int Jump(const std::vector<std::pair<std::pair<int, int>, int>>& list, int z)
{
    for (const auto& [range, target] : list)
        if (z >= range.first && z <= range.second)
            return target;
    return -1;
}

// Columns with nothing above or below: where the arrow keys go instead.
const std::vector<std::pair<std::pair<int, int>, int>> UpJumps = {
    {{4, 4}, 1}, {{5, 9}, 2}, {{21, 26}, 12}, {{27, 30}, 13}};
const std::vector<std::pair<std::pair<int, int>, int>> DownJumps = {{{83, 86}, 111}};

struct Neighbours {
    int left, right, up, down;
};

Neighbours Expected(const Grid& g, int z)
{
    const int r = g.row[z], c = g.column[z];
    Neighbours n{0, 0, 0, 0};
    for (int cc = c - 1; cc >= 1 && !n.left; --cc)
        n.left = g.at[r][cc];
    for (int cc = c + 1; cc <= 18 && !n.right; ++cc)
        n.right = g.at[r][cc];
    for (int rr = r - 1; rr >= 1 && !n.up; --rr)
        n.up = g.at[rr][c];
    for (int rr = r + 1; rr <= 9 && !n.down; ++rr)
        n.down = g.at[rr][c];
    if (!n.up && r != 1)
        n.up = Jump(UpJumps, z);
    if (!n.down && r != 9)
        n.down = Jump(DownJumps, z);
    return n;
}

bool Matches(const std::string& s, const char* pattern)
{
    return QRegularExpression(QStringLiteral("^(?:%1)$").arg(QString::fromUtf8(pattern))).match(Q(s)).hasMatch();
}

double Number(const std::string& s)
{
    QString t = Q(s);
    t.remove(QLatin1Char('(')).remove(QLatin1Char(')')).remove(QStringLiteral(" C"));
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? v : qQNaN();
}

} // namespace

class TestTable : public QObject {
    Q_OBJECT

private slots:
    void namesComeInAtomicNumberOrder()
    {
        for (int z = 1; z <= ElementCount; ++z) {
            const TPierwData& e = Element(z);
            const Names& n = ExpectedNames[z - 1];
            const QString at = QStringLiteral("Z=%1").arg(z);
            QVERIFY2(e.AtomicNumber == std::to_string(z), qPrintable(at));
            QCOMPARE(Q(e.Symbol), QString::fromUtf8(n.symbol));
            QVERIFY2(e.Name == n.name, qPrintable(at + " Name " + Q(e.Name)));
            QVERIFY2(e.PolishName == n.name, qPrintable(at + " PolishName " + Q(e.PolishName)));
            QVERIFY2(e.LatinName == n.latin, qPrintable(at + " LatinName " + Q(e.LatinName)));
            QVERIFY2(e.Kind == n.kind, qPrintable(at + " Kind " + Q(e.Kind)));
            QVERIFY2(e.State == n.state, qPrintable(at + " State " + Q(e.State)));
        }
    }

    void fullRecordsHoldTheirListedValues_data()
    {
        QTest::addColumn<int>("z");
        for (const auto& [z, record] : FullRecords)
            QTest::newRow(record->front()) << z;
    }

    void fullRecordsHoldTheirListedValues()
    {
        QFETCH(int, z);
        const Record* record = nullptr;
        for (const auto& [rz, r] : FullRecords)
            if (rz == z)
                record = r;
        for (size_t i = 0; i < AllFields.size(); ++i)
            QVERIFY2(AllFields[i].get(Element(z)) == (*record)[i],
                     qPrintable(QStringLiteral("%1: \"%2\", expected \"%3\"")
                                    .arg(QLatin1String(AllFields[i].name), Q(AllFields[i].get(Element(z))),
                                         QString::fromUtf8((*record)[i]))));
    }

    void noFieldIsEmpty()
    {
        for (int z = 1; z <= ElementCount; ++z)
            for (const FieldRef& f : AllFields)
                QVERIFY2(!f.get(Element(z)).empty(), qPrintable(QStringLiteral("Z=%1 %2 empty").arg(z).arg(f.name)));
    }

    // Markers exactly where the list puts them, and nowhere else.
    void markersStandExactlyWhereListed()
    {
        QStringList wrong;
        for (const MarkerRule& rule : MarkerRules())
            for (int z = 1; z <= ElementCount; ++z) {
                const Mark expected = rule.noData.count(z)  ? Mark::NoData
                                      : rule.paren.count(z) ? Mark::Paren
                                                            : Mark::Plain;
                const std::string& value = Element(z).*(rule.member);
                if (MarkOf(value) != expected)
                    wrong << QStringLiteral("%1 %2 \"%3\": expected %4")
                                 .arg(Q(Element(z).Symbol), QLatin1String(rule.field), Q(value),
                                      QLatin1String(MarkName(expected)));
            }
        // The fields without markers never hold one.
        for (int z = 1; z <= ElementCount; ++z) {
            const TPierwData& e = Element(z);
            for (const std::string* s :
                 {&e.Symbol, &e.Name, &e.Kind, &e.State, &e.AtomicNumber, &e.IsotopeCount, &e.Discovered, &e.ShellK,
                  &e.ShellL, &e.ShellM, &e.ShellN, &e.ShellO, &e.ShellP, &e.ShellQ, &e.LatinName, &e.PolishName})
                if (s->find("b.d.") != std::string::npos || s->find('(') != std::string::npos)
                    wrong << QStringLiteral("%1: marker in \"%2\"").arg(Q(e.Symbol), Q(*s));
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String("; "))));
    }

    void valuesFollowTheirFieldsFormat()
    {
        struct Format {
            const char* field;
            std::string TPierwData::*member;
            const char* pattern; // b.d. is checked by markersStandExactlyWhereListed()
        };
        const Format formats[] = {
            {"AtomicMass", &TPierwData::AtomicMass, R"(\d+\.\d+|\(\d+\.\d+\))"},
            {"Electronegativity", &TPierwData::Electronegativity, R"(\d\.\d\d?|\(\d\.\d\d?\))"},
            {"Density", &TPierwData::Density, R"(\d+\.\d+)"},
            {"MeltingPoint", &TPierwData::MeltingPoint, R"(-?\d+(\.\d+)? C)"},
            {"BoilingPoint", &TPierwData::BoilingPoint, R"(-?\d+(\.\d+)? C|\(\d+\) C)"},
            {"AtomicRadius", &TPierwData::AtomicRadius, R"(\d+(\.\d)?|\(\d+\))"},
            {"OxideCharacter", &TPierwData::OxideCharacter, "zasadowy|kwasowy|amfoteryczny"},
            {"IsotopeCount", &TPierwData::IsotopeCount, R"([1-9]\d*)"},
            {"Discovered", &TPierwData::Discovered, R"(1[6-9]\d\d|200[0-8]|staroż\.|średn\.|[ivx]+ wiek|ok\. 19\d\d)"},
        };
        QStringList wrong;
        for (int z = 1; z <= ElementCount; ++z)
            for (const Format& f : formats) {
                const std::string& v = Element(z).*(f.member);
                if (v != "b.d." && !Matches(v, f.pattern))
                    wrong << QStringLiteral("%1 %2 \"%3\"").arg(Q(Element(z).Symbol), QLatin1String(f.field), Q(v));
            }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String("; "))));
    }

    // Shells: decimal integers within each shell's capacity, filled from the
    // inside out, adding up to Z.
    void shellsFillFromTheInsideAndAddUpToZ()
    {
        const int capacity[7] = {2, 8, 18, 32, 32, 32, 32};
        for (int z = 1; z <= ElementCount; ++z) {
            const TPierwData& e = Element(z);
            const std::string* shells[7] = {&e.ShellK, &e.ShellL, &e.ShellM, &e.ShellN,
                                            &e.ShellO, &e.ShellP, &e.ShellQ};
            int sum = 0;
            bool emptySeen = false;
            for (int i = 0; i < 7; ++i) {
                QVERIFY2(Matches(*shells[i], R"(0|[1-9]\d?)"), qPrintable(Q(e.Symbol)));
                const int n = std::stoi(*shells[i]);
                QVERIFY2(n <= capacity[i], qPrintable(Q(e.Symbol)));
                QVERIFY2(!(emptySeen && n > 0), qPrintable(Q(e.Symbol) + " has a gap"));
                emptySeen = emptySeen || n == 0;
                sum += n;
            }
            QVERIFY2(sum == z, qPrintable(QStringLiteral("%1: shells add up to %2").arg(Q(e.Symbol)).arg(sum)));
        }
    }

    // Catches swapped columns; arsenic sublimes below its melting point
    // (which needs pressure), so its pair is the other way round.
    void meltingPointLiesBelowBoilingPoint()
    {
        for (int z = 1; z <= ElementCount; ++z) {
            const double mp = Number(Element(z).MeltingPoint);
            const double bp = Number(Element(z).BoilingPoint);
            if (qIsNaN(mp) || qIsNaN(bp))
                continue;
            if (z == 33)
                QVERIFY(bp < mp);
            else
                QVERIFY2(mp < bp, qPrintable(Q(Element(z).Symbol)));
        }
    }

    void neighboursFollowTheTableLayout()
    {
        const Grid g = MakeGrid();
        // The layout places each element exactly once.
        for (int z = 1; z <= ElementCount; ++z)
            QVERIFY2(g.row[z] != 0, qPrintable(QString::number(z)));
        // The jump lists apply only where the column really is empty.
        for (int z = 1; z <= ElementCount; ++z) {
            const bool nothingAbove = [&] {
                for (int r = g.row[z] - 1; r >= 1; --r)
                    if (g.at[r][g.column[z]])
                        return false;
                return true;
            }();
            QCOMPARE(Jump(UpJumps, z) != -1, nothingAbove && g.row[z] != 1);
        }

        QStringList wrong;
        for (int z = 1; z <= ElementCount; ++z) {
            const TPierwData& e = Element(z);
            const Neighbours n = Expected(g, z);
            const int got[4] = {e.LeftNeighbour, e.RightNeighbour, e.UpNeighbour, e.DownNeighbour};
            const int want[4] = {n.left, n.right, n.up, n.down};
            for (int i = 0; i < 4; ++i)
                if (got[i] != want[i])
                    wrong << QStringLiteral("%1 %2=%3 expected %4")
                                 .arg(Q(e.Symbol), QLatin1String(AllFields[21 + i].name))
                                 .arg(got[i])
                                 .arg(want[i]);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String("; "))));
    }

    void neighboursOfTheBorderElementsAreTheKnownOnes()
    {
        QCOMPARE(Element(80).DownNeighbour, 69);  // Hg -> Tm
        QCOMPARE(Element(69).UpNeighbour, 80);    // Tm -> Hg
        QCOMPARE(Element(68).UpNeighbour, 111);   // Er -> Rg
        QCOMPARE(Element(87).DownNeighbour, 58);  // Fr -> Ce
        QCOMPARE(Element(57).RightNeighbour, 72); // La -> Hf
        QCOMPARE(Element(72).LeftNeighbour, 57);  // Hf -> La
        QCOMPARE(Element(2).LeftNeighbour, 1);    // He -> H
        QCOMPARE(Element(1).RightNeighbour, 2);   // H -> He
        QCOMPARE(Element(5).LeftNeighbour, 4);    // B -> Be
        QCOMPARE(Element(4).UpNeighbour, 1);      // Be -> H
        QCOMPARE(Element(1).DownNeighbour, 3);    // H -> Li, not mutual with Be
        QCOMPARE(Element(26).UpNeighbour, 12);    // Fe -> Mg
        QCOMPARE(Element(83).DownNeighbour, 111); // Bi -> Rg
        QCOMPARE(Element(111).UpNeighbour, 79);   // Rg -> Au
        for (int z = 90; z <= 103; ++z)
            QCOMPARE(Element(z).DownNeighbour, 0);
    }

    void leftAndRightNeighboursAreMutual()
    {
        for (int z = 1; z <= ElementCount; ++z) {
            const TPierwData& e = Element(z);
            for (int n : {e.LeftNeighbour, e.RightNeighbour, e.UpNeighbour, e.DownNeighbour}) {
                QVERIFY2(n >= 0 && n <= ElementCount, qPrintable(Q(e.Symbol)));
                QVERIFY2(n != z, qPrintable(Q(e.Symbol)));
            }
            if (e.RightNeighbour)
                QCOMPARE(Element(e.RightNeighbour).LeftNeighbour, z);
            if (e.LeftNeighbour)
                QCOMPARE(Element(e.LeftNeighbour).RightNeighbour, z);
        }
    }
};

QTEST_APPLESS_MAIN(TestTable)
#include "tst_table.moc"
