#include "widgets/DesignFont.h"

#include <QFontDatabase>

QString DesignFont()
{
    // Asked by every dialog at start-up; the answer cannot change while the
    // program runs, and each question walks the whole font list.
    static const QString face = [] {
        const QString arial = QStringLiteral("Arial");
        const QString twin = QStringLiteral("Liberation Sans");
        return !QFontDatabase::hasFamily(arial) && QFontDatabase::hasFamily(twin) ? twin : arial;
    }();
    return face;
}
