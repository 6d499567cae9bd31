#include "tests/app/ScreenArea.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

QImage ScreenArea(const QRect& area)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return QImage();
    XImage* shot = XGetImage(display, DefaultRootWindow(display), area.x(), area.y(), unsigned(area.width()),
                             unsigned(area.height()), AllPlanes, ZPixmap);
    QImage image;
    if (shot) {
        image = QImage(area.size(), QImage::Format_RGB32);
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x)
                image.setPixel(x, y, 0xFF000000u | uint32_t(XGetPixel(shot, x, y) & 0xFFFFFF));
        XDestroyImage(shot);
    }
    XCloseDisplay(display);
    return image;
}
