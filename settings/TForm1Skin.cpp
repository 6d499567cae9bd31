// TEMPORARY: replaced by the skin work.
#include "app/TForm1.h"

#include <QPainter>

void TForm1::loadskin(const QString&, uint32_t) {}
void TForm1::FormPaint(QPainter&) {}
