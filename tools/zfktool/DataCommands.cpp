// Subcommands reading the element data library through its exports.
#include <cstdio>
#include <string>
#include <vector>

#include "data/Dane.h"
#include "tools/zfktool/Subcommands.h"

namespace {

// Texts are written as stored, except that backslash, tab, CR and LF are
// escaped (\\, \t, \r, \n): a record stays one line and a field one column
// (the version description holds a line break).
void Put(const std::string& s)
{
    for (char ch : s) {
        switch (ch) {
        case '\\':
            std::fputs("\\\\", stdout);
            break;
        case '\t':
            std::fputs("\\t", stdout);
            break;
        case '\r':
            std::fputs("\\r", stdout);
            break;
        case '\n':
            std::fputs("\\n", stdout);
            break;
        default:
            std::putchar(ch);
        }
    }
}

} // namespace

int RunDump(std::span<char* const> args)
{
    if (!args.empty())
        return UsageError("dump");
    std::vector<TPierwData> rows(ElementCount);
    GetLongPierwArray(rows.data());
    std::printf("Symbol\tName\tKind\tState\tAtomicNumber\tAtomicMass\tOxideCharacter\tElectronegativity\tDensity\t"
                "MeltingPoint\tBoilingPoint\tIsotopeCount\tDiscovered\tAtomicRadius\tShellK\tShellL\tShellM\tShellN\t"
                "ShellO\tShellP\tShellQ\tLeftNeighbour\tRightNeighbour\tUpNeighbour\tDownNeighbour\tLatinName\t"
                "PolishName\n");
    for (const TPierwData& r : rows) {
        for (const std::string* s : {&r.Symbol,       &r.Name,         &r.Kind,           &r.State,
                                     &r.AtomicNumber, &r.AtomicMass,   &r.OxideCharacter, &r.Electronegativity,
                                     &r.Density,      &r.MeltingPoint, &r.BoilingPoint,   &r.IsotopeCount,
                                     &r.Discovered,   &r.AtomicRadius, &r.ShellK,         &r.ShellL,
                                     &r.ShellM,       &r.ShellN,       &r.ShellO,         &r.ShellP,
                                     &r.ShellQ}) {
            Put(*s);
            std::putchar('\t');
        }
        std::printf("%d\t%d\t%d\t%d\t", r.LeftNeighbour, r.RightNeighbour, r.UpNeighbour, r.DownNeighbour);
        Put(r.LatinName);
        std::putchar('\t');
        Put(r.PolishName);
        std::putchar('\n');
    }
    return std::fflush(stdout) == 0 ? 0 : kExitUsage;
}

int RunVersion(std::span<char* const> args)
{
    if (!args.empty())
        return UsageError("version");
    TDaneVersion v;
    GetVersion(&v);
    for (const std::string* s : {&v.Version, &v.ReleaseDate, &v.Credits, &v.Description}) {
        Put(*s);
        std::putchar('\n');
    }
    return std::fflush(stdout) == 0 ? 0 : kExitUsage;
}
