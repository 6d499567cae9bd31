// The numeric data against an independent reference, the Blue Obelisk Data
// Repository as Debian installs it (package bodr). Every place where the
// table knowingly differs from it is listed in Deviations with its reason;
// a listed deviation that no longer differs fails too, so the list stays
// true.
#include "tests/data/DaneCopies.h"

#include <QFile>
#include <QStringList>
#include <QTest>
#include <QXmlStreamReader>

#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <set>
#include <vector>

using namespace dane_test;

namespace {

const QString BodrDir = QStringLiteral("/usr/share/bodr/");

enum class Field { Mass, Melting, Boiling, Density, Electronegativity, Discovered, Shells, Isotopes };

struct Deviation {
    const char* symbol;
    Field field;
    const char* ours; // our text as it stands, so a changed value is noticed
    const char* reason;
};

// clang-format off
const Deviation Deviations[] = {
    // Longest-lived isotope as known when the table was made; the reference
    // names isotopes found later (or, for Tc, the mass number of Tc-97).
    {"Tc", Field::Mass, "(97.907)",
     "Tc-98, taken then as the longest-lived; reference gives 97"},
    {"Rf", Field::Mass, "(261.109)",
     "Rf-261 of the table's time; Rf-267 was found in 2004"},
    {"Db", Field::Mass, "(262.114)",
     "Db-262 of the table's time; reference gives Db-270"},
    {"Sg", Field::Mass, "(266.122)",
     "Sg-266 of the table's time; reference gives Sg-271 (2004)"},
    {"Bh", Field::Mass, "(264.125)",
     "Bh-264 of the table's time; reference gives Bh-270 (2007)"},
    {"Hs", Field::Mass, "(269.134)",
     "Hs-269 of the table's time; reference gives Hs-277"},
    {"Mt", Field::Mass, "(268.139)",
     "Mt-268 of the table's time; reference gives Mt-276"},
    {"Ds", Field::Mass, "(271.146)",
     "Ds-271 of the table's time; reference gives Ds-281"},
    {"Rg", Field::Mass, "(272.1)",
     "Rg-272, a given of the table; reference gives Rg-282"},

    // Melting and boiling points: the table follows the CRC Handbook of the
    // 2000s; where the reference still carries an older measurement, the
    // older value is named.
    {"B",  Field::Melting, "2075 C",
     "CRC 2348 K; reference 2365 K"},
    {"Ti", Field::Melting, "1668 C",
     "older 1660 C"},
    {"V",  Field::Melting, "1910 C",
     "older 1890 C"},
    {"Cr", Field::Melting, "1907 C",
     "older 1857 C"},
    {"Sr", Field::Melting, "777 C",
     "older 769 C"},
    {"Nb", Field::Melting, "2477 C",
     "older 2468 C"},
    {"Tc", Field::Melting, "2157 C",
     "older 2200 C"},
    {"Os", Field::Melting, "3033 C",
     "older 3045 C and reference 3300 K"},
    {"Ac", Field::Melting, "817 C",
     "817 C is a given of the table; reference 1324 K (1051 C)"},
    {"Np", Field::Melting, "644 C",
     "older 640 C"},
    {"Be", Field::Boiling, "2471 C",
     "older 2970 C"},
    {"Mg", Field::Boiling, "1090 C",
     "older 1107 C"},
    {"Al", Field::Boiling, "2519 C",
     "older 2467 C"},
    {"Si", Field::Boiling, "3265 C",
     "older 2355 C"},
    {"V",  Field::Boiling, "3407 C",
     "older 3380 C"},
    {"Mn", Field::Boiling, "2061 C",
     "older 1962 C"},
    {"Fe", Field::Boiling, "2861 C",
     "older 2750 C"},
    {"Co", Field::Boiling, "2927 C",
     "older 2870 C"},
    {"Ni", Field::Boiling, "2913 C",
     "older 2732 C"},
    {"Ba", Field::Boiling, "1897 C",
     "older 1805 C"},
    {"Pr", Field::Boiling, "3520 C",
     "older 3512 C"},
    {"Pm", Field::Boiling, "2400 C",
     "2400 C is a given of the table; reference 3273 K"},
    {"Ho", Field::Boiling, "2700 C",
     "older 2695 C"},
    {"Lu", Field::Boiling, "3402 C",
     "older 3395 C"},
    {"Os", Field::Boiling, "5012 C",
     "older 5027 C"},
    {"Ra", Field::Boiling, "1737 C",
     "older 1140 C"},
    {"Am", Field::Boiling, "2011 C",
     "older 2607 C"},
    {"Bk", Field::Boiling, "2627 C",
     "estimate 2627 C; reference 983 K lies below its own melting point"},
    {"Cf", Field::Boiling, "1470 C",
     "estimate 1470 C; reference 1173 K is 1 K above its melting point"},

    // Density: the reference's crystal data give a wrong cell content or
    // volume for these, or describe another form than the table's.
    {"Be", Field::Density, "1.848",
     "reference gives the hexagonal cell with gamma 90 degrees"},
    {"B",  Field::Density, "2.34",
     "reference lists one atom of the 12-atom rhombohedral cell"},
    {"C",  Field::Density, "2.26",
     "reference lists one of graphite's two atom sites"},
    {"P",  Field::Density, "1.82",
     "reference lists one atom of a many-atom cell; table has white P"},
    {"S",  Field::Density, "2.07",
     "reference lists one atom of the 128-atom cell"},
    {"Mn", Field::Density, "7.44",
     "reference lists one atom of the 58-atom cell"},
    {"Ga", Field::Density, "5.907",
     "reference lists one atom of the 8-atom cell"},
    {"Ge", Field::Density, "5.323",
     "reference puts the diamond structure in group 225 (4 atoms, not 8)"},
    {"As", Field::Density, "5.727",
     "reference lists one of the two atoms of the cell"},
    {"Se", Field::Density, "4.79",
     "reference lists one atom of monoclinic Se; table has grey Se"},
    {"Br", Field::Density, "3.12",
     "reference lists one atom of solid Br2; table has the liquid"},
    {"Rb", Field::Density, "1.532",
     "reference lattice constant 558.5 pm is the low-temperature one"},
    {"Sb", Field::Density, "6.691",
     "reference lists one of the two atoms of the cell"},
    {"I",  Field::Density, "4.93",
     "reference lists one atom of the 8-atom cell"},
    {"La", Field::Density, "6.145",
     "double-hexagonal cell holds 4 atoms; reference lists one"},
    {"Pr", Field::Density, "6.773",
     "double-hexagonal cell holds 4 atoms; reference lists one"},
    {"Nd", Field::Density, "7.007",
     "double-hexagonal cell holds 4 atoms; reference lists one"},
    {"Sm", Field::Density, "7.52",
     "9-atom samarium cell; reference lists one"},
    {"Hg", Field::Density, "13.534",
     "reference gives solid Hg in rhombohedral axes; table has the liquid"},
    {"Bi", Field::Density, "9.78",
     "reference lists one of the two atoms of the cell"},
    {"Ac", Field::Density, "10.1",
     "reference lattice constant 567 pm; measured 531 pm gives 10.07"},
    {"Np", Field::Density, "20.25",
     "reference lists one atom of the 8-atom cell"},
    {"Pu", Field::Density, "19.84",
     "reference lists one atom of the 16-atom monoclinic cell"},
    {"Am", Field::Density, "13.67",
     "double-hexagonal cell holds 4 atoms; reference lists one"},
    {"Cm", Field::Density, "13.51",
     "double-hexagonal cell holds 4 atoms; reference lists one"},
    {"Bk", Field::Density, "14.78",
     "double-hexagonal cell holds 4 atoms; reference lists one"},
    {"Cf", Field::Density, "15.1",
     "double-hexagonal cell holds 4 atoms; reference lists one"},

    // Electronegativity: the table uses Pauling's own one-decimal values
    // (H 2.1, S 2.5, Hg 1.9 are givens); the reference has Allred's 1961
    // revision, which moved these by more than 0.15.
    {"Cl", Field::Electronegativity, "3.0",
     "Allred 3.16"},
    {"Ga", Field::Electronegativity, "1.6",
     "Allred 1.81"},
    {"Ge", Field::Electronegativity, "1.8",
     "Allred 2.01"},
    {"As", Field::Electronegativity, "2.0",
     "Allred 2.18"},
    {"Br", Field::Electronegativity, "2.8",
     "Allred 2.96"},
    {"Mo", Field::Electronegativity, "1.8",
     "Allred 2.16 (Mo(VI))"},
    {"Sn", Field::Electronegativity, "1.8",
     "Allred 1.96 (Sn(IV))"},
    {"I",  Field::Electronegativity, "2.5",
     "Allred 2.66"},
    {"W",  Field::Electronegativity, "1.7",
     "Allred 2.36 (W(VI))"},
    {"Tl", Field::Electronegativity, "1.8",
     "Allred 1.62 (Tl(I))"},
    {"Pb", Field::Electronegativity, "1.8",
     "Allred 2.33 (Pb(IV))"},
    {"U",  Field::Electronegativity, "1.7",
     "Allred 1.38"},

    // Discovery: the year of the discovery itself; the reference sometimes
    // has the year of publication or of isolation.
    {"Be", Field::Discovered, "1798",
     "Vauquelin announced beryllium in 1798"},
    {"Co", Field::Discovered, "1735",
     "Brandt, c. 1735"},
    {"Pm", Field::Discovered, "1947",
     "1947 is a given of the table (Marinsky, Glendenin, Coryell)"},
    {"Os", Field::Discovered, "1803",
     "Tennant found it in 1803, published 1804"},
    {"Ir", Field::Discovered, "1803",
     "Tennant found it in 1803, published 1804"},
    {"Rn", Field::Discovered, "1900",
     "Dorn, 1900"},
    {"Am", Field::Discovered, "1944",
     "Seaborg's group, 1944 (announced 1945)"},
    {"Fm", Field::Discovered, "1952",
     "found in the 1952 test debris (announced 1955)"},

    // Shells.
    {"Nb", Field::Shells, "2 8 18 12 1 0 0",
     "reference configuration 'Kr 4d4' lacks the 5s1 (sums to 40)"},
    {"Tc", Field::Shells, "2 8 18 13 2 0 0",
     "ground state is 4d5 5s2; reference has 4d6 5s1"},
    {"Lr", Field::Shells, "2 8 18 32 32 9 2",
     "the table's Lr is 6d1 7s2 (a given); reference has 7s2 7p1"},
};
// clang-format on

// ---- reading the reference ----------------------------------------------

struct RefElement {
    QString symbol;
    std::optional<double> mass, electronegativity, melting, boiling; // K for temperatures
    std::optional<int> discovered;                                   // 0 = antiquity
    QString configuration;
};

std::optional<double> ToDouble(const QString& s)
{
    bool ok = false;
    const double v = s.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

std::map<int, RefElement> ReadElements()
{
    std::map<int, RefElement> out;
    QFile f(BodrDir + QStringLiteral("elements.xml"));
    if (!f.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&f);
    RefElement cur;
    int z = -1;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("atom")) {
            cur = RefElement();
            z = -1;
        } else if (xml.isEndElement() && xml.name() == QLatin1String("atom")) {
            if (z >= 1 && z <= ElementCount)
                out[z] = cur;
        } else if (xml.isStartElement() && xml.name() == QLatin1String("label")) {
            if (xml.attributes().value(QLatin1String("dictRef")) == QLatin1String("bo:symbol"))
                cur.symbol = xml.attributes().value(QLatin1String("value")).toString();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("scalar")) {
            const QString ref = xml.attributes().value(QLatin1String("dictRef")).toString();
            const QString text = xml.readElementText();
            if (ref == QLatin1String("bo:atomicNumber"))
                z = text.toInt();
            else if (ref == QLatin1String("bo:mass"))
                cur.mass = ToDouble(text);
            else if (ref == QLatin1String("bo:electronegativityPauling"))
                cur.electronegativity = ToDouble(text);
            else if (ref == QLatin1String("bo:meltingpoint"))
                cur.melting = ToDouble(text);
            else if (ref == QLatin1String("bo:boilingpoint"))
                cur.boiling = ToDouble(text);
            else if (ref == QLatin1String("bo:discoveryDate"))
                cur.discovered = text.toInt();
            else if (ref == QLatin1String("bo:electronicConfiguration"))
                cur.configuration = text.simplified();
        }
    }
    return out;
}

struct RefIsotopes {
    int known = 0;   // every isotope listed
    int natural = 0; // those with a natural abundance
};

std::map<int, RefIsotopes> ReadIsotopes()
{
    std::map<int, RefIsotopes> out;
    QFile f(BodrDir + QStringLiteral("isotopes.xml"));
    if (!f.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&f);
    int z = 0;
    bool natural = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("isotope")) {
            z = 0;
            natural = false;
        } else if (xml.isEndElement() && xml.name() == QLatin1String("isotope")) {
            ++out[z].known;
            out[z].natural += natural ? 1 : 0;
        } else if (xml.isStartElement() && xml.name() == QLatin1String("scalar")) {
            const QString ref = xml.attributes().value(QLatin1String("dictRef")).toString();
            const QString text = xml.readElementText();
            if (ref == QLatin1String("bo:atomicNumber"))
                z = text.toInt();
            else if (ref == QLatin1String("bo:relativeAbundance"))
                natural = true;
        }
    }
    return out;
}

// ---- density from the crystal structures ---------------------------------
// The reference gives no densities, but it gives each element's unit cell
// (lattice constants, space group, the atoms of the asymmetric unit) and the
// space groups' symmetry operations: cell content times atomic mass over
// cell volume is the crystal density.

struct Affine {
    double x = 0, y = 0, z = 0, c = 0;
};

// One coordinate of a symmetry operation, e.g. "1/3+x-y" or "-z+1/2".
Affine ParseCoordinate(const QString& s)
{
    Affine a;
    double sign = 1;
    for (int i = 0; i < s.size(); ++i) {
        const QChar ch = s[i];
        if (ch == QLatin1Char('+')) {
            sign = 1;
        } else if (ch == QLatin1Char('-')) {
            sign = -1;
        } else if (ch.isDigit()) {
            int j = i;
            while (j < s.size() && s[j].isDigit())
                ++j;
            double v = s.mid(i, j - i).toDouble();
            if (j < s.size() && s[j] == QLatin1Char('/')) {
                int k = j + 1;
                while (k < s.size() && s[k].isDigit())
                    ++k;
                v /= s.mid(j + 1, k - j - 1).toDouble();
                j = k;
            }
            a.c += sign * v;
            sign = 1;
            i = j - 1;
        } else if (ch == QLatin1Char('x') || ch == QLatin1Char('y') || ch == QLatin1Char('z')) {
            (ch == QLatin1Char('x') ? a.x : ch == QLatin1Char('y') ? a.y : a.z) += sign;
            sign = 1;
        }
    }
    return a;
}

using Operation = std::array<Affine, 3>;

// The first listed setting of each space group number is its standard one.
std::map<int, std::vector<Operation>> ReadSpaceGroups()
{
    std::map<int, std::vector<Operation>> out;
    QFile f(BodrDir + QStringLiteral("space-groups.xml"));
    if (!f.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&f);
    int group = 0;
    bool take = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("group")) {
            group = xml.attributes().value(QLatin1String("id")).toInt();
            take = out.find(group) == out.end();
        } else if (take && xml.isStartElement() && xml.name() == QLatin1String("transform")) {
            const QStringList parts = xml.readElementText().split(QLatin1Char(','));
            if (parts.size() == 3)
                out[group].push_back({ParseCoordinate(parts[0]), ParseCoordinate(parts[1]), ParseCoordinate(parts[2])});
        }
    }
    return out;
}

struct Cell {
    double a = 0, b = 0, c = 0, alpha = 90, beta = 90, gamma = 90; // pm, degrees
    int group = 0;
    std::vector<std::array<double, 3>> atoms;
};

std::map<QString, Cell> ReadCells()
{
    std::map<QString, Cell> out;
    QFile f(BodrDir + QStringLiteral("crystalstructures.xml"));
    if (!f.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&f);
    Cell cur;
    QString element;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("molecule") && !element.isEmpty())
                out[element] = cur;
            continue;
        }
        const auto attr = xml.attributes();
        if (xml.name() == QLatin1String("molecule")) {
            cur = Cell();
            element.clear();
        } else if (xml.name() == QLatin1String("scalar")) {
            const QString title = attr.value(QLatin1String("title")).toString();
            const double v = xml.readElementText().toDouble();
            if (title == QLatin1String("a"))
                cur.a = v;
            else if (title == QLatin1String("b"))
                cur.b = v;
            else if (title == QLatin1String("c"))
                cur.c = v;
            else if (title == QLatin1String("alpha"))
                cur.alpha = v;
            else if (title == QLatin1String("beta"))
                cur.beta = v;
            else if (title == QLatin1String("gamma"))
                cur.gamma = v;
        } else if (xml.name() == QLatin1String("symmetry")) {
            cur.group = attr.value(QLatin1String("spaceGroup")).toInt();
        } else if (xml.name() == QLatin1String("atom")) {
            element = attr.value(QLatin1String("elementType")).toString();
            cur.atoms.push_back({attr.value(QLatin1String("xFract")).toDouble(),
                                 attr.value(QLatin1String("yFract")).toDouble(),
                                 attr.value(QLatin1String("zFract")).toDouble()});
        }
    }
    return out;
}

double Wrap(double v)
{
    v -= std::floor(v);
    return v > 1 - 1e-6 ? 0 : v;
}

// Number of atoms in the unit cell: the images of the listed atoms under the
// group's operations, counted once each.
int CellContent(const Cell& cell, const std::vector<Operation>& ops)
{
    std::vector<std::array<double, 3>> seen;
    for (const auto& p : cell.atoms)
        for (const Operation& op : ops) {
            std::array<double, 3> q;
            for (int i = 0; i < 3; ++i)
                q[i] = Wrap(op[i].x * p[0] + op[i].y * p[1] + op[i].z * p[2] + op[i].c);
            bool dup = false;
            for (const auto& s : seen) {
                bool same = true;
                for (int i = 0; i < 3; ++i) {
                    const double d = std::fabs(s[i] - q[i]);
                    same = same && std::min(d, 1 - d) < 1e-3;
                }
                dup = dup || same;
            }
            if (!dup)
                seen.push_back(q);
        }
    return int(seen.size());
}

double CrystalDensity(const Cell& cell, int atoms, double molarMass)
{
    const double rad = std::numbers::pi / 180;
    const double ca = std::cos(cell.alpha * rad), cb = std::cos(cell.beta * rad), cg = std::cos(cell.gamma * rad);
    const double volumeCm3 =
        cell.a * cell.b * cell.c * 1e-30 * std::sqrt(1 - ca * ca - cb * cb - cg * cg + 2 * ca * cb * cg);
    return atoms * molarMass / (6.02214076e23 * volumeCm3);
}

// ---- our values ---------------------------------------------------------

// The number in a value, without parentheses and unit; none for "b.d.".
std::optional<double> Value(const std::string& s)
{
    if (s == "b.d.")
        return std::nullopt;
    QString t = Q(s);
    t.remove(QLatin1Char('(')).remove(QLatin1Char(')')).remove(QStringLiteral(" C"));
    return ToDouble(t);
}

std::array<int, 7> Shells(const TPierwData& e)
{
    return {std::stoi(e.ShellK), std::stoi(e.ShellL), std::stoi(e.ShellM), std::stoi(e.ShellN),
            std::stoi(e.ShellO), std::stoi(e.ShellP), std::stoi(e.ShellQ)};
}

// Shells of a configuration such as "Ar 3d10 4s2 4p1", the core expanded
// through the reference's own configuration of that noble gas.
std::optional<std::array<int, 7>> RefShells(const std::map<int, RefElement>& ref, int z, int depth = 0)
{
    const auto it = ref.find(z);
    if (it == ref.end() || it->second.configuration.isEmpty() || depth > 7)
        return std::nullopt;
    std::array<int, 7> shells{};
    for (const QString& tok : it->second.configuration.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (tok[0].isLetter()) {
            std::optional<std::array<int, 7>> core;
            for (const auto& [cz, c] : ref)
                if (c.symbol == tok)
                    core = RefShells(ref, cz, depth + 1);
            if (!core)
                return std::nullopt;
            for (int i = 0; i < 7; ++i)
                shells[i] += (*core)[i];
        } else {
            const int n = tok[0].digitValue();
            const int count = tok.mid(2).toInt();
            if (n < 1 || n > 7)
                return std::nullopt;
            shells[n - 1] += count;
        }
    }
    return shells;
}

QString ShellText(const std::array<int, 7>& s)
{
    QStringList l;
    for (int v : s)
        l << QString::number(v);
    return l.join(QLatin1Char(' '));
}

// Collects the comparisons of one field and judges them against the list.
class Comparison {
public:
    explicit Comparison(Field f)
        : m_field(f)
    {}

    // ours: the text of our field, which a listed deviation must still hold.
    void check(int z, bool agrees, const QString& detail, const QString& ours)
    {
        ++m_compared;
        const QString symbol = Q(Element(z).Symbol);
        const Deviation* listed = find(symbol);
        m_comparedSymbols << symbol;
        if (!agrees && !listed)
            m_problems << QStringLiteral("%1: %2").arg(symbol, detail);
        if (agrees && listed)
            m_problems << QStringLiteral("%1: listed as a deviation but agrees (%2)").arg(symbol, detail);
        if (listed && ours != QString::fromUtf8(listed->ours))
            m_problems << QStringLiteral("%1: now \"%2\", the deviation was listed for \"%3\"")
                              .arg(symbol, ours, QString::fromUtf8(listed->ours));
    }

    // Disagreements not listed, and listed deviations that agree or are no
    // longer compared at all.
    QStringList problems() const
    {
        QStringList all = m_problems;
        for (const Deviation& d : Deviations)
            if (d.field == m_field && !m_comparedSymbols.contains(QLatin1String(d.symbol)))
                all << QStringLiteral("%1: listed as a deviation but not compared").arg(QLatin1String(d.symbol));
        return all;
    }

    int compared() const { return m_compared; }

private:
    const Deviation* find(const QString& symbol) const
    {
        for (const Deviation& d : Deviations)
            if (d.field == m_field && symbol == QLatin1String(d.symbol))
                return &d;
        return nullptr;
    }

    Field m_field;
    int m_compared = 0;
    QStringList m_comparedSymbols;
    QStringList m_problems;
};

// Every problem on its own line (a failure message would be cut short).
#define CHECK_COMPARISON(cmp, atLeast)                                                                                 \
    do {                                                                                                               \
        const QStringList problems = (cmp).problems();                                                                 \
        for (const QString& p : problems)                                                                              \
            qWarning("%s", qPrintable(p));                                                                             \
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 problem(s), see above").arg(problems.size())));     \
        QVERIFY2((cmp).compared() >= (atLeast),                                                                        \
                 qPrintable(QStringLiteral("only %1 values compared").arg((cmp).compared())));                         \
    } while (0)

} // namespace

class TestReference : public QObject {
    Q_OBJECT

    std::map<int, RefElement> m_ref;

    void compareTemperature(Field field, std::string TPierwData::*ours, std::optional<double> RefElement::*theirs,
                            int atLeast)
    {
        Comparison cmp(field);
        for (const auto& [z, r] : m_ref) {
            const auto celsius = Value(Element(z).*ours);
            const auto kelvin = r.*theirs;
            if (celsius && kelvin)
                cmp.check(z, std::fabs(*celsius + 273.15 - *kelvin) <= 5,
                          QStringLiteral("%1 C vs %2 K").arg(*celsius).arg(*kelvin), Q(Element(z).*ours));
        }
        CHECK_COMPARISON(cmp, atLeast);
    }

private slots:
    void initTestCase()
    {
        if (!QFile::exists(BodrDir + QStringLiteral("elements.xml")))
            QSKIP("bodr is not installed (/usr/share/bodr/elements.xml missing): no reference to compare with");
        m_ref = ReadElements();
        QVERIFY2(m_ref.size() == size_t(ElementCount), "elements.xml did not yield 111 elements");
    }

    void atomicMassesAgreeWithinHalfAPercent()
    {
        Comparison cmp(Field::Mass);
        for (const auto& [z, r] : m_ref) {
            const auto ours = Value(Element(z).AtomicMass);
            if (!ours || !r.mass)
                continue;
            cmp.check(z, std::fabs(*ours - *r.mass) <= 0.005 * *r.mass,
                      QStringLiteral("%1 vs %2").arg(*ours).arg(*r.mass), Q(Element(z).AtomicMass));
        }
        CHECK_COMPARISON(cmp, 111);
    }

    // Ours in degrees Celsius, the reference in kelvin.
    void meltingPointsAgreeWithinFiveKelvin()
    {
        compareTemperature(Field::Melting, &TPierwData::MeltingPoint, &RefElement::melting, 95);
    }
    void boilingPointsAgreeWithinFiveKelvin()
    {
        compareTemperature(Field::Boiling, &TPierwData::BoilingPoint, &RefElement::boiling, 90);
    }

    // Solids and liquids in g/cm3 against the crystal density; gases in g/dm3
    // at 0 C and 1013 hPa against the ideal gas, M / 22.414 dm3/mol.
    void densitiesAgreeWithCrystalsAndIdealGases()
    {
        const auto groups = ReadSpaceGroups();
        const auto cells = ReadCells();
        QVERIFY(!groups.empty() && !cells.empty());
        Comparison cmp(Field::Density);
        const std::set<QString> diatomic = {QStringLiteral("H"), QStringLiteral("N"), QStringLiteral("O"),
                                            QStringLiteral("F"), QStringLiteral("Cl")};
        for (const auto& [z, r] : m_ref) {
            const TPierwData& e = Element(z);
            const auto ours = Value(e.Density);
            if (!ours || !r.mass)
                continue;
            std::optional<double> expected;
            QString how;
            if (e.State == "gaz") {
                expected = (diatomic.count(Q(e.Symbol)) ? 2 : 1) * *r.mass / 22.414;
                how = QStringLiteral("ideal gas");
            } else if (const auto c = cells.find(Q(e.Symbol)); c != cells.end()) {
                const auto g = groups.find(c->second.group);
                if (g == groups.end())
                    continue;
                const int atoms = CellContent(c->second, g->second);
                expected = CrystalDensity(c->second, atoms, *r.mass);
                how = QStringLiteral("crystal: %1 atoms, group %2, a b c %3 %4 %5")
                          .arg(atoms)
                          .arg(c->second.group)
                          .arg(c->second.a)
                          .arg(c->second.b)
                          .arg(c->second.c);
            }
            if (expected)
                cmp.check(z, std::fabs(*ours - *expected) <= 0.05 * *expected,
                          QStringLiteral("%1 vs %2 (%3)").arg(*ours).arg(*expected, 0, 'f', 3).arg(how), Q(e.Density));
        }
        CHECK_COMPARISON(cmp, 90);
    }

    void electronegativitiesAgreeWithinPointOneFive()
    {
        Comparison cmp(Field::Electronegativity);
        for (const auto& [z, r] : m_ref) {
            const auto ours = Value(Element(z).Electronegativity);
            if (ours && r.electronegativity)
                cmp.check(z, std::fabs(*ours - *r.electronegativity) <= 0.15 + 1e-9,
                          QStringLiteral("%1 vs %2").arg(*ours).arg(*r.electronegativity),
                          Q(Element(z).Electronegativity));
        }
        CHECK_COMPARISON(cmp, 80);
    }

    // Only where ours is a year; the reference writes antiquity as 0.
    void discoveryYearsAgree()
    {
        Comparison cmp(Field::Discovered);
        for (const auto& [z, r] : m_ref) {
            const QString ours = Q(Element(z).Discovered);
            bool isYear = false;
            const int year = ours.toInt(&isYear);
            if (isYear && r.discovered)
                cmp.check(z, year == *r.discovered, QStringLiteral("%1 vs %2").arg(year).arg(*r.discovered), ours);
        }
        CHECK_COMPARISON(cmp, 90);
    }

    void shellsAgree()
    {
        Comparison cmp(Field::Shells);
        for (int z = 1; z <= ElementCount; ++z) {
            const auto theirs = RefShells(m_ref, z);
            if (!theirs)
                continue;
            const auto ours = Shells(Element(z));
            cmp.check(z, ours == *theirs, QStringLiteral("%1 vs %2").arg(ShellText(ours), ShellText(*theirs)),
                      ShellText(ours));
        }
        CHECK_COMPARISON(cmp, 100);
    }

    // The reference lists every isotope known today. A table of the 2000s
    // cannot know more than that, nor fewer than occur in nature; and below
    // the superheavies, where most isotopes were found long ago, at least
    // 40 % of today's count, which catches a lost or extra digit.
    void isotopeCountsLieBetweenNaturalAndKnown()
    {
        const auto isotopes = ReadIsotopes();
        Comparison cmp(Field::Isotopes);
        for (int z = 1; z <= ElementCount; ++z) {
            const auto it = isotopes.find(z);
            if (it == isotopes.end())
                continue;
            const int ours = std::stoi(Element(z).IsotopeCount);
            const RefIsotopes& r = it->second;
            const int floor = z <= 103 ? int(std::ceil(0.4 * r.known)) : 1;
            cmp.check(z, ours <= r.known && ours >= r.natural && ours >= floor,
                      QStringLiteral("%1, reference %2 known, %3 natural").arg(ours).arg(r.known).arg(r.natural),
                      Q(Element(z).IsotopeCount));
        }
        CHECK_COMPARISON(cmp, 111);
    }
};

QTEST_APPLESS_MAIN(TestReference)
#include "tst_reference.moc"
