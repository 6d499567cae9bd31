#include "widgets/Bitmap.h"

#include <QImageReader>

void ReadAsBitmapOnly(QImageReader& reader)
{
    reader.setFormat("bmp");
    reader.setAutoDetectImageFormat(false);
}
