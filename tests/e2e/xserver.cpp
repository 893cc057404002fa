#include "e2e/xserver.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>

namespace {

constexpr int READY_TIMEOUT_MS = 10000;

// The number Xvfb writes to the descriptor once it is ready, or -1.
uint8_t channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (!(mask >> shift & 1)) ++shift;
    return uint8_t(((pixel & mask) >> shift) * 255 / (mask >> shift));
}

int read_display_number(int fd) {
    std::string text;
    char c;
    pollfd ready{fd, POLLIN, 0};
    while (poll(&ready, 1, READY_TIMEOUT_MS) > 0 && read(fd, &c, 1) == 1 && c != '\n') text += c;
    return text.empty() ? -1 : std::stoi(text);
}

}  // namespace

XServer::XServer() {
    int pipe_fds[2];
    if (pipe(pipe_fds) != 0) throw std::runtime_error("pipe failed");
    // Only the write end may reach Xvfb, so that the read end sees the end of the pipe if
    // Xvfb dies before it is ready.
    fcntl(pipe_fds[0], F_SETFD, FD_CLOEXEC);
    // Without -noreset the server resets whenever its last client leaves, as each xdotool call
    // does while the game starts; a game connecting during such a reset cannot open the display.
    Launch launch{"Xvfb",
                  {"Xvfb", "-displayfd", std::to_string(pipe_fds[1]), "-noreset", "-screen", "0",
                   "800x600x24", "-nolisten", "tcp"},
                  "/", {}, "", ""};
    server_ = std::make_unique<Process>(launch);
    close(pipe_fds[1]);
    int number = read_display_number(pipe_fds[0]);
    close(pipe_fds[0]);
    if (number < 0) throw std::runtime_error("Xvfb did not start");
    display_ = ":" + std::to_string(number);
}

XServer::~XServer() {
    server_->terminate(SIGTERM);
    if (!server_->wait_for_exit(Milliseconds(3000))) server_->terminate(SIGKILL);
}

bool XServer::window_has_icon(unsigned long window) const {
    Display* x = XOpenDisplay(display_.c_str());
    if (!x) return false;
    Atom icon = XInternAtom(x, "_NET_WM_ICON", True);
    Atom type = None;
    int format = 0;
    unsigned long items = 0, remaining = 0;
    unsigned char* data = nullptr;
    bool found = icon != None &&
                 XGetWindowProperty(x, window, icon, 0, 2, False, XA_CARDINAL, &type, &format,
                                    &items, &remaining, &data) == Success &&
                 type == XA_CARDINAL && items == 2;
    if (data) XFree(data);
    XCloseDisplay(x);
    return found;
}

void XServer::request_close(unsigned long window) const {
    Display* x = XOpenDisplay(display_.c_str());
    if (!x) return;
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(x, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(x, window, False, NoEventMask, &event);
    XCloseDisplay(x);
}

void XServer::destroy_window(unsigned long window) const {
    Display* x = XOpenDisplay(display_.c_str());
    if (!x) return;
    XDestroyWindow(x, window);
    XCloseDisplay(x);
}

std::optional<Bitmap> XServer::capture(unsigned long window) const {
    Display* x = XOpenDisplay(display_.c_str());
    if (!x) return std::nullopt;
    std::optional<Bitmap> picture;
    XWindowAttributes attributes;
    // Errors (a window that is gone or not yet mapped) must not end the test program.
    XErrorHandler previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    if (XGetWindowAttributes(x, window, &attributes)) {
        if (XImage* image = XGetImage(x, window, 0, 0, unsigned(attributes.width),
                                      unsigned(attributes.height), AllPlanes, ZPixmap)) {
            std::vector<Rgb> pixels;
            pixels.reserve(size_t(image->width) * size_t(image->height));
            for (int row = 0; row < image->height; ++row) {
                for (int column = 0; column < image->width; ++column) {
                    const unsigned long pixel = XGetPixel(image, column, row);
                    pixels.push_back({channel(pixel, image->red_mask), channel(pixel, image->green_mask),
                                      channel(pixel, image->blue_mask)});
                }
            }
            picture = Bitmap(image->width, image->height, std::move(pixels));
            XDestroyImage(image);
        }
    }
    XSync(x, False);
    XSetErrorHandler(previous);
    XCloseDisplay(x);
    return picture;
}
