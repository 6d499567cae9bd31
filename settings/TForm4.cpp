#include "settings/TForm4.h"

TForm4::TForm4(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form4"));
}
