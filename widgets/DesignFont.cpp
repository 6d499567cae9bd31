#include "widgets/DesignFont.h"

#include <QFontDatabase>

QString DesignFont()
{
    const QString arial = QStringLiteral("Arial");
    const QString twin = QStringLiteral("Liberation Sans");
    return !QFontDatabase::hasFamily(arial) && QFontDatabase::hasFamily(twin) ? twin : arial;
}
