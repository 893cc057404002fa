#include "e2e/x_server.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <stdexcept>

XServer::XServer(const std::string& display) : x_(XOpenDisplay(display.c_str())) {
    if (!x_) throw std::runtime_error("Xvfb did not start");
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
}

XServer::~XServer() { XCloseDisplay(x_); }

std::vector<uint32_t> XServer::capture(unsigned long window, int width, int height) const {
    std::vector<uint32_t> pixels;
    XImage* shot = XGetImage(x_, window, 0, 0, unsigned(width), unsigned(height), AllPlanes, ZPixmap);
    if (!shot) return pixels;
    // Xvfb's 24-bit visual keeps red, green and blue in the low three bytes.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(uint32_t(XGetPixel(shot, x, y) & 0xFFFFFF));
    XDestroyImage(shot);
    return pixels;
}

std::string XServer::icon_and_class(unsigned long window) const {
    unsigned long items = 0, remaining;
    unsigned char* icon = nullptr;
    Atom type;
    int format;
    // The property begins with the icon's width and height.
    XGetWindowProperty(x_, window, XInternAtom(x_, "_NET_WM_ICON", False), 0, 2, False, XA_CARDINAL, &type, &format,
                       &items, &remaining, &icon);
    const long* size = reinterpret_cast<long*>(icon);
    std::string found = items == 2 ? std::to_string(size[0]) + "x" + std::to_string(size[1]) : "no icon";
    XFree(icon);
    XClassHint hint = {nullptr, nullptr};
    if (!XGetClassHint(x_, window, &hint)) return found;
    found += std::string(" ") + hint.res_class;
    XFree(hint.res_name);
    XFree(hint.res_class);
    return found;
}

void XServer::close(unsigned long window) const {
    XEvent event = {};
    event.xclient = {ClientMessage, 0, False, x_, window, XInternAtom(x_, "WM_PROTOCOLS", False), 32, {}};
    event.xclient.data.l[0] = long(XInternAtom(x_, "WM_DELETE_WINDOW", False));
    XSendEvent(x_, window, False, NoEventMask, &event);
    XSync(x_, False);
}

void XServer::blacken(unsigned long window, int width, int height) const {
    GC gc = XCreateGC(x_, window, 0, nullptr);
    XFillRectangle(x_, window, gc, 0, 0, unsigned(width), unsigned(height));
    XFreeGC(x_, gc);
    XClearArea(x_, window, 0, 0, 0, 0, True);  // the exposure tells the game that the window shows again
    XSync(x_, False);
}
