#include "data/Dane.h"
#include "data/ElementRows.h"

#include <array>

namespace {

TPierwData ToRecord(const dane::ElementRow& r)
{
    TPierwData d;
    d.Symbol = r.Symbol;
    d.Name = r.Name;
    d.Kind = r.Kind;
    d.State = r.State;
    d.AtomicNumber = r.AtomicNumber;
    d.AtomicMass = r.AtomicMass;
    d.OxideCharacter = r.OxideCharacter;
    d.Electronegativity = r.Electronegativity;
    d.Density = r.Density;
    d.MeltingPoint = r.MeltingPoint;
    d.BoilingPoint = r.BoilingPoint;
    d.IsotopeCount = r.IsotopeCount;
    d.Discovered = r.Discovered;
    d.AtomicRadius = r.AtomicRadius;
    d.ShellK = r.ShellK;
    d.ShellL = r.ShellL;
    d.ShellM = r.ShellM;
    d.ShellN = r.ShellN;
    d.ShellO = r.ShellO;
    d.ShellP = r.ShellP;
    d.ShellQ = r.ShellQ;
    d.LeftNeighbour = r.LeftNeighbour;
    d.RightNeighbour = r.RightNeighbour;
    d.UpNeighbour = r.UpNeighbour;
    d.DownNeighbour = r.DownNeighbour;
    d.LatinName = r.LatinName;
    d.PolishName = r.PolishName;
    return d;
}

} // namespace

extern "C" {

void GetLongPierwArray(TPierwData* dest)
{
    for (int i = 0; i < ElementCount; ++i)
        dest[i] = ToRecord(dane::ElementRows[i]);
}

void GetShortPierwArray(TShortPierwData* dest)
{
    // Built in a work array of our own first, then assigned over the
    // caller's records, so every old text in the destination is replaced.
    std::array<TShortPierwData, ElementCount> work;
    for (int i = 0; i < ElementCount; ++i) {
        const dane::ElementRow& r = dane::ElementRows[i];
        work[i].Symbol = r.Symbol;
        work[i].DisplayName = std::string();
        work[i].PolishName = r.PolishName;
        work[i].LatinName = r.LatinName;
    }
    for (int i = 0; i < ElementCount; ++i)
        dest[i] = work[i];
}

void GetVersion(TDaneVersion* dest)
{
    const dane::VersionRow& v = dane::DaneVersionRow;
    dest->Version = v.Version;
    dest->ReleaseDate = v.ReleaseDate;
    dest->Credits = v.Credits;
    dest->Description = v.Description;
}

} // extern "C"
