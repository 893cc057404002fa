// The X server's calls the end-to-end tests make, in a file of their own: Xlib's KeyCode and Time
// would clash with the game's. A window that is gone or not yet shown does not end the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class XServer {
public:
    explicit XServer(const std::string& display);  // throws when it cannot connect
    ~XServer();
    // The window's pixels as 0xRRGGBB, top row first; none when it cannot be read.
    std::vector<uint32_t> capture(unsigned long window, int width, int height) const;
    // The size of the window's icon and the class a dock matches with a desktop entry: "32x32 tapfall".
    std::string icon_and_class(unsigned long window) const;
    void close(unsigned long window) const;  // as a window manager's close button does
    // As a window laid over it and taken away leaves it: black, and to be drawn again.
    void blacken(unsigned long window, int width, int height) const;

private:
    struct _XDisplay* x_;
};
