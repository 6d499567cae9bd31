#include "data/SettingsValues.h"

QString SkinName;
QString SkinEditor;
bool Warn1 = true;
bool Warn2 = true;
bool LatinNames = false;

QStringList DefaultInfoLines()
{
    return {
        QStringLiteral("  Układ zawiera dane o pierwiastkach"),
        QStringLiteral("oficialnie sklasyfikowanych przez IUPAC"),
        QStringLiteral(" według raportu z dnia 22 czerwca 2007"),
        QStringLiteral(" iupac.org/what-we-do/periodic-table-of-elements/"),
    };
}
