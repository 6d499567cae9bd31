// Windows bitmaps read by the toolkit's own reader and nothing else.
#pragma once

class QImageReader;

// Asks the reader for a Windows bitmap only. Left to guess the format, the
// toolkit loads every image plugin it has (JPEG, GIF, icons...) to ask each
// whether it knows the data: at start-up that is four libraries loaded and
// a quarter of a megabyte held, for files that are bitmaps by definition.
void ReadAsBitmapOnly(QImageReader& reader);
