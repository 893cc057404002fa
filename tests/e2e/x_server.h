// The X server as the end-to-end tests use it, in x_server.cpp, apart from Xlib's names, which
// clash with the game's and Google Test's. A window that is gone or not yet shown does not end
// the test program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class XServer {
public:
    explicit XServer(const std::string& display);  // throws when it cannot connect
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;
    // The window's pixels as 0xRRGGBB, top row first; none when it cannot be read.
    std::vector<uint32_t> capture(unsigned long window, int width, int height) const;
    // The size of the window's icon and the class a dock matches with a desktop entry: "32x32 tapfall".
    std::string icon_and_class(unsigned long window) const;
    void close_window(unsigned long window) const;    // as a window manager's close button does
    void destroy_window(unsigned long window) const;  // as any other X client can

private:
    struct _XDisplay* x_;
};
