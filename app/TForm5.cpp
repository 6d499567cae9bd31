#include "app/TForm5.h"

TForm5::TForm5(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form5"));
}
