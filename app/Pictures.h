// The small pictures of the main window, drawn from pixel maps in the source.
#pragma once

#include <QIcon>
#include <QImage>

enum class ToolbarPictureKind { Minimise, Close };

// An 18 x 16 picture of the minimise or close button; hot is the look while
// the pointer is over it (blue symbol instead of black).
QImage ToolbarPicture(ToolbarPictureKind kind, bool hot);

// The search button's 32 x 16 bitmap: the normal 16 x 16 image on the left,
// its greyed form on the right; the background colour (olive) is the colour
// of the bottom-left pixel and is meant to be transparent.
QImage SearchButtonBitmap();

// One 16 x 16 half of the search bitmap with its background made transparent.
QImage SearchButtonImage(bool enabled);

// An icon of picture, with a pixel-for-pixel doubled copy so that a HiDPI
// screen shows it crisp; disabled, if given, is its greyed form.
QIcon CrispIcon(const QImage& picture, const QImage& disabled = QImage());
