// The X server as the real-window tests see it, through a connection of
// their own: what it reads has gone through the server, not through the
// toolkit's buffers.
#pragma once

#include <QImage>
#include <QRect>

// A rectangle of the screen as the server holds it now. Null when there is
// no X display or the area is not on the screen.
QImage ScreenArea(const QRect& area);
