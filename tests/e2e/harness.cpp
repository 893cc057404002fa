#include "e2e/harness.h"

#include <SDL_image.h>
// Xlib's own KeyCode and Time would clash with the game's, which the harness reads for its layout.
#define KeyCode XKeyCode
#define Time XTime
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#undef KeyCode
#undef Time
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

#include "render/version.h"

// A capture costs the game some time on a busy machine: frames are not polled more often.
constexpr Milliseconds POLL(50);

bool eventually(const std::function<bool()>& done, Milliseconds timeout) {
    for (const auto deadline = std::chrono::steady_clock::now() + timeout; !done(); std::this_thread::sleep_for(POLL))
        if (std::chrono::steady_clock::now() >= deadline) return false;
    return true;
}

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

namespace {

// Runs a program in its own process group, standard error into `errors` (empty: nowhere).
pid_t spawn(const std::vector<std::string>& argv, const Environment& environment, const fs::path& from,
            const fs::path& errors, bool as_player = false) {
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid > 0) {
        setpgid(pid, pid);
        return pid;
    }
    setpgid(0, 0);
    const int null = open("/dev/null", O_RDWR);
    for (int fd : {0, 1}) dup2(null, fd);
    dup2(errors.empty() ? null : open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
    if (chdir(from.c_str()) != 0) _exit(126);
    for (const auto& [name, value] : environment)
        value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    std::vector<char*> args;
    for (const std::string& word : argv) args.push_back(const_cast<char*>(word.c_str()));
    args.push_back(nullptr);
    // Root is stopped by no permission, so a player's run is one as the user nobody.
    if (as_player && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(126);
    execvp(args[0], args.data());
    _exit(127);
}

// The exit status (128 + signal), or nullopt while it still runs after the timeout.
std::optional<int> reap(pid_t pid, Milliseconds timeout) {
    int status = 0;
    if (!eventually([&] { return waitpid(pid, &status, WNOHANG) == pid; }, timeout)) return std::nullopt;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

void end(pid_t pid) {
    kill(-pid, SIGKILL);
    reap(pid, Milliseconds(5000));
}

}  // namespace

std::optional<Image> load_image(const fs::path& path) {
    SDL_Surface* surface = IMG_Load(path.c_str());
    if (!surface) return std::nullopt;
    Image image{surface->w, surface->h, {}};
    const int bytes = surface->format->BytesPerPixel;
    for (int y = 0; y < surface->h; ++y)
        for (int x = 0; x < surface->w; ++x) {
            Uint32 value = 0;
            Uint8 r, g, b;
            std::memcpy(&value, static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * bytes, bytes);
            SDL_GetRGB(value, surface->format, &r, &g, &b);
            image.pixels.push_back(Rgb(r) << 16 | Rgb(g) << 8 | b);
        }
    SDL_FreeSurface(surface);
    return image;
}

bool has_colour(const Image& image, const Area& area, Rgb colour) {
    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x)
            if (image.at(x, y) == colour) return true;
    return false;
}

int differing(const Image& image, const Area& area, const Image& other, int x, int y) {
    int count = 0;
    for (int j = 0; j < area.height; ++j)
        for (int i = 0; i < area.width; ++i) count += image.at(area.x + i, area.y + j) != other.at(x + i, y + j);
    return count;
}

std::string ink_size(const Image& image, const Area& area, Rgb colour) {
    int left = area.x + area.width, right = -1, bottom = area.y + area.height, top = -1;
    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x)
            if (image.at(x, y) == colour)
                left = std::min(left, x), right = std::max(right, x), bottom = std::min(bottom, y),
                top = std::max(top, y);
    return std::to_string(right - left + 1) + "x" + std::to_string(top - bottom + 1);
}

GameTest::GameTest() {
    char pattern[] = "/tmp/tapfall-e2e-XXXXXX";
    if (!mkdtemp(pattern)) throw std::runtime_error("mkdtemp failed");
    temp_ = pattern;
    // The player's folder of an installed game, $XDG_DATA_HOME/tapfall, is this folder too: its
    // files are where the tests look for them, beside a copy of the game's own.
    folder = temp_ / "tapfall";
    if (installed_game().empty())
        fs::copy(TAPFALL_BIN_DIR, folder, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    else fs::copy(fs::canonical(installed_game()).parent_path(), folder, fs::copy_options::recursive);
    // Xvfb writes its display number to the pipe once it takes connections, or closes it if it fails.
    // Without -noreset it would reset whenever its last client leaves, as each xdotool call does,
    // and a game connecting then could not open the display.
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    xvfb_ = spawn(
        {"Xvfb", "-displayfd", std::to_string(fds[1]), "-noreset", "-screen", "0", "800x600x24", "-nolisten", "tcp"},
        {}, "/", "");
    close(fds[1]);
    for (char c; read(fds[0], &c, 1) == 1 && c != '\n';) display_ += c;
    close(fds[0]);
    display_ = ":" + display_;
    x_ = XOpenDisplay(display_.c_str());
    if (!x_) throw std::runtime_error("Xvfb did not start");
    // A window that is gone or not yet shown must not end the test program.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
}

GameTest::~GameTest() {
    if (game_ > 0 && !status_) end(game_);
    XCloseDisplay(x_);
    end(xvfb_);
    fs::remove_all(temp_);
}

void GameTest::start(const std::string& program, const Environment& changes,
                     const std::vector<std::string>& arguments) {
    if (game_ > 0 && !status_) end(game_);
    Environment environment = {{"DISPLAY", display_}, {"SDL_AUDIODRIVER", "dummy"}, {"WAYLAND_DISPLAY", std::nullopt}};
    if (!installed_game().empty()) environment["XDG_DATA_HOME"] = temp_.string();
    for (const auto& [name, value] : changes) environment[name] = value;
    const std::string game = installed_game().empty() ? (folder / "tapfall").string() : installed_game();
    std::vector<std::string> argv = {program.empty() ? game : program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    game_ = spawn(argv, environment, temp_, temp_ / "stderr.txt", as_player);
    status_.reset();
    window_ = 0;
}

std::optional<int> GameTest::wait_for_exit(Milliseconds timeout) {
    if (!status_) status_ = reap(game_, timeout);
    return status_;
}

unsigned long GameTest::window() {
    const std::string title = VERSION_CAPTION;
    const std::string search = "DISPLAY=" + display_ + " xdotool search --name '^" + title + "$'";
    if (!window_)
        eventually(
            [&] {
                FILE* found = popen(search.c_str(), "r");
                std::fscanf(found, "%lu", &window_);
                pclose(found);
                return window_ || wait_for_exit(Milliseconds(0));
            },
            Milliseconds(15000));
    EXPECT_NE(window_, 0u) << "no window titled " << title << "; standard error: " << error_output();
    return window_;
}

std::string GameTest::installed_game() {
    const char* game = std::getenv("TAPFALL_E2E_GAME");
    return game ? game : "";
}

std::string GameTest::window_class() {
    XClassHint hint = {nullptr, nullptr};
    if (!XGetClassHint(x_, window(), &hint)) return "";
    const std::string found = hint.res_class;
    XFree(hint.res_name);
    XFree(hint.res_class);
    return found;
}

bool GameTest::has_icon() {
    Atom type;
    int format;
    unsigned long items = 0, remaining;
    unsigned char* icon = nullptr;
    // The property begins with the icon's width and height.
    XGetWindowProperty(x_, window(), XInternAtom(x_, "_NET_WM_ICON", False), 0, 2, False, XA_CARDINAL, &type, &format,
                       &items, &remaining, &icon);
    const bool found = items == 2 && reinterpret_cast<long*>(icon)[0] == 32 && reinterpret_cast<long*>(icon)[1] == 32;
    XFree(icon);
    return found;
}

void GameTest::close_window() {
    XEvent event = {};
    event.xclient = {ClientMessage, 0, False, x_, window(), XInternAtom(x_, "WM_PROTOCOLS", False), 32, {}};
    event.xclient.data.l[0] = long(XInternAtom(x_, "WM_DELETE_WINDOW", False));
    XSendEvent(x_, window(), False, NoEventMask, &event);
    XSync(x_, False);
}

void GameTest::destroy_window() {
    XDestroyWindow(x_, window());
    XSync(x_, False);
}

void GameTest::blacken() {
    GC gc = XCreateGC(x_, window(), 0, nullptr);
    XFillRectangle(x_, window(), gc, 0, 0, layout::WINDOW_WIDTH, layout::WINDOW_HEIGHT);
    XFreeGC(x_, gc);
    XClearArea(x_, window(), 0, 0, 0, 0, True);  // tells the game that the window shows again
    XSync(x_, False);
}

void GameTest::xdotool(const std::string& command, const std::vector<std::string>& keys) {
    std::string line =
        "DISPLAY=" + display_ + " xdotool " + command + " --window " + std::to_string(window()) + " --delay 10";
    for (const std::string& key : keys) line += " " + key;
    EXPECT_EQ(std::system(line.c_str()), 0) << line;
}

std::optional<Image> GameTest::capture() {
    XImage* shot = XGetImage(x_, window(), 0, 0, layout::WINDOW_WIDTH, layout::WINDOW_HEIGHT, AllPlanes, ZPixmap);
    if (!shot) return std::nullopt;
    Image image{shot->width, shot->height, {}};
    // Xvfb's 24-bit visual keeps red, green and blue in the low three bytes, as Rgb does.
    for (int y = 0; y < shot->height; ++y)
        for (int x = 0; x < shot->width; ++x) image.pixels.push_back(Rgb(XGetPixel(shot, x, y) & 0xFFFFFF));
    XDestroyImage(shot);
    return image;
}

std::optional<Image> GameTest::wait_for(const std::function<bool(const Image&)>& shows, Milliseconds timeout) {
    std::optional<Image> found;
    eventually(
        [&] {
            if (std::optional<Image> frame = capture(); frame && shows(*frame)) found = frame;
            return found || wait_for_exit(Milliseconds(0));
        },
        timeout);
    if (!found) ADD_FAILURE() << "the window never showed what was awaited; standard error: " << error_output();
    return found;
}

const Image& GameTest::picture(const std::string& file) {
    if (!pictures_.count(file)) pictures_[file] = load_image(folder / file).value();
    return pictures_[file];
}

bool GameTest::shows(const Image& frame, const std::string& name) {
    const Image& expected = picture(name);
    long same = 0;
    for (size_t i = 0; i < frame.pixels.size() && i < expected.pixels.size(); ++i)
        same += frame.pixels[i] == expected.pixels[i];
    return same > 0.7 * double(expected.pixels.size());
}

bool GameTest::wait_for_highlight(const std::string& screen, Area (*line)(int), int lines, int highlighted) {
    return bool(wait_for([&](const Image& frame) {
        for (int i = 0; i < lines; ++i)
            if (has_colour(frame, line(i), SELECTED) != (i == highlighted)) return false;
        return shows(frame, screen);
    }));
}

bool GameTest::start_game() {
    if (!wait_for_menu(0)) return false;
    type({"Return"});
    // Once the countdown has gone, the empty field shows its backdrop there.
    const Area countdown{layout::COUNTDOWN_X, layout::COUNTDOWN_Y, 130, 26};
    return bool(wait_for(
        [&](const Image& frame) {
            return !differing(frame, countdown, picture(asset_files::BACKDROP)) ||
                   !differing(frame, countdown, picture(asset_files::BIG_BACKDROP));
        },
        Milliseconds(13000)));
}

std::optional<Image> GameTest::play_with(const std::string& settings) {
    write_settings(settings);
    start();
    if (!start_game()) return std::nullopt;
    std::optional<Image> frame = capture();
    if (!frame) ADD_FAILURE() << "no frame to capture";
    return frame;
}

std::optional<std::pair<std::string, Image>> GameTest::take_bmp(Milliseconds timeout) {
    std::optional<std::pair<std::string, Image>> found;
    eventually(
        [&] {
            for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
                std::optional<Image> image =
                    entry.path().extension() == ".bmp" ? load_image(entry.path()) : std::nullopt;
                if (!image) continue;
                found = {entry.path().filename().string(), *image};
                fs::remove(entry.path());
            }
            return found.has_value();
        },
        timeout);
    return found;
}
