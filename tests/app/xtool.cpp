// A tiny X11 helper for the real-window tests, finer than polling xdotool:
//   xtool wait-mapped NAME TIMEOUT_MS  prints the id of the first viewable
//                                      top-level window called NAME
//   xtool close WID                    asks the window to close, as a window
//                                      manager's close command does
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

// Windows come and go while we look at them; a request about one that has
// just gone is not an error for us.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

// The title in UTF-8: _NET_WM_NAME where set (WM_NAME carries a title
// beyond Latin-1 in another encoding), else WM_NAME.
std::string WindowName(Display* d, Window w)
{
    static const Atom netName = XInternAtom(d, "_NET_WM_NAME", False);
    static const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(d, w, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data) == Success
        && data) {
        std::string name(reinterpret_cast<const char*>(data), count);
        XFree(data);
        if (type == utf8)
            return name;
    }
    XTextProperty prop;
    std::string name;
    if (XGetWMName(d, w, &prop) && prop.value) {
        name.assign(reinterpret_cast<const char*>(prop.value), prop.nitems);
        XFree(prop.value);
    }
    return name;
}

// NAME, or with a final '*' any name that begins with what precedes it.
bool NameMatches(const std::string& name, const std::string& wanted)
{
    if (!wanted.empty() && wanted.back() == '*')
        return name.compare(0, wanted.size() - 1, wanted, 0, wanted.size() - 1) == 0;
    return name == wanted;
}

Window FindViewable(Display* d, Window parent, const std::string& wanted, int depth)
{
    Window root, par, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(d, parent, &root, &par, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes attr;
        if (XGetWindowAttributes(d, children[i], &attr) && attr.map_state == IsViewable
            && NameMatches(WindowName(d, children[i]), wanted))
            found = children[i];
        else if (depth > 0)
            found = FindViewable(d, children[i], wanted, depth - 1);
    }
    if (children)
        XFree(children);
    return found;
}

int WaitMapped(Display* d, const char* name, long timeoutMs)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < end) {
        if (Window w = FindViewable(d, DefaultRootWindow(d), name, 2)) {
            std::printf("%lu\n", w);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    std::fprintf(stderr, "xtool: no window \"%s\" within %ld ms\n", name, timeoutMs);
    return 1;
}

int Close(Display* d, Window w)
{
    XEvent ev;
    std::memset(&ev, 0, sizeof ev);
    ev.xclient.type = ClientMessage;
    ev.xclient.window = w;
    ev.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = long(XInternAtom(d, "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &ev);
    XFlush(d);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "xtool: cannot open display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    int rc = 2;
    if (argc == 4 && std::strcmp(argv[1], "wait-mapped") == 0)
        rc = WaitMapped(d, argv[2], std::atol(argv[3]));
    else if (argc == 3 && std::strcmp(argv[1], "close") == 0)
        rc = Close(d, Window(std::strtoul(argv[2], nullptr, 0)));
    else
        std::fprintf(stderr, "usage: xtool wait-mapped NAME[*] TIMEOUT_MS | close WID\n");
    XCloseDisplay(d);
    return rc;
}
