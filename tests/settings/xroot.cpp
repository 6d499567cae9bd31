// Gives the X server's root window a plain background colour, so that a
// screenshot can tell the desktop from anything a window draws. A
// background pixel, unlike a picture drawn onto the root, is repainted by
// the server whenever a part of the desktop is uncovered.
//   xroot RRGGBB   (hexadecimal; for a TrueColor 24-bit screen)
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: xroot RRGGBB\n");
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "xroot: no X display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(d);
    XSetWindowBackground(d, root, std::strtoul(argv[1], nullptr, 16));
    XClearWindow(d, root);
    XCloseDisplay(d);
    return 0;
}
