// Windows cut to an outline. Where the window system clips a window to its
// mask (X11, XWayland) the mask does it all. Where the mask only steers the
// pointer (Wayland), the window gets an alpha channel and leaves everything
// outside the outline transparent, so the same pixels show.
#pragma once

class QPainter;
class QRegion;
class QWidget;

// True where the window system shows only the part of a window inside its
// mask.
bool PlatformClipsToMask();

// For a window that will be shaped, before it is first shown: where the
// platform cannot clip, the window gets an alpha channel. True when it did;
// such a window does not paint every pixel.
bool PrepareShapedWindow(QWidget& window);

// Cuts the window to the region, or makes it whole again.
void ShapeWindow(QWidget& window, const QRegion& region);
void UnshapeWindow(QWidget& window);

// Keeps a window's painting inside its outline where the window itself must
// leave the outside transparent; does nothing elsewhere.
void ClipToShape(QPainter& painter, const QWidget& window);
