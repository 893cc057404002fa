// XServer: a private Xvfb for one test, on a display number the server picks itself, with
// the few questions about its windows that the tests ask through Xlib (icon, close, contents).
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "e2e/bitmap.h"
#include "e2e/process.h"

class XServer {
public:
    // Starts Xvfb and returns once it accepts connections; throws if it does not.
    XServer();
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    // ":N"
    const std::string& display() const { return display_; }
    Environment environment() const { return {{"DISPLAY", display_}}; }

    // True when the window carries an icon (_NET_WM_ICON).
    bool window_has_icon(unsigned long window) const;
    // What a window manager's close button does: asks the window to close (WM_DELETE_WINDOW).
    void request_close(unsigned long window) const;
    // What another program can do to any window: destroys it.
    void destroy_window(unsigned long window) const;
    // What the window shows now, read back from the server; nullopt when it cannot be read.
    std::optional<Bitmap> capture(unsigned long window) const;

private:
    std::string display_;
    std::unique_ptr<Process> server_;
};
