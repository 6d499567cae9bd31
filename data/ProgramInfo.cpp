#include "data/ProgramInfo.h"

QString ProgramName() { return QStringLiteral("Zefirak"); }

// ZFK_PROJECT_VERSION comes from the project's version in CMake, so a new
// release changes it in one place.
QString ProgramVersion() { return QStringLiteral(ZFK_PROJECT_VERSION ".FREE"); }

QString LicenceText()
{
    return QStringLiteral("Zefirak jest programem darmowym (freeware). Wolno go używać i "
                          "rozpowszechniać bez opłat, w postaci niezmienionej.");
}

QString FreewareAppeal() { return QStringLiteral("Wspieraj ideę oprogramowania FREEWARE."); }

QString ReadTheInformation() { return QStringLiteral("Dowiedz się więcej - przeczytaj informację o programie."); }
