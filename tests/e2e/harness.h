// The end-to-end fixture: a private Xvfb, a fresh copy of the built game in a temporary folder,
// the running game, its window, keys typed through xdotool, and what the window shows.
#pragma once

#include <SDL_image.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "e2e/x_server.h"
#include "render/asset_files.h"
#include "render/options_layout.h"
#include "render/version.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using Milliseconds = std::chrono::milliseconds;
// Variables set over the game's environment; nullopt removes one.
using Environment = std::map<std::string, std::optional<std::string>>;

using Rgb = uint32_t;  // 0xRRGGBB
constexpr Rgb WHITE = 0xFFFFFF, SELECTED = 0xFFFF00, LOCKED = 0x808080, LOCKED_SELECTED = 0xFF0000, LEGEND = WHITE,
              PRESSED = 0xFF8080, RESULT = 0x40FFC0, FINISHED = 0x0080FF, INFO = 0xFFC000;

// Placed as the game places things: (x, y) is the bottom-left corner, rows count upward.
struct Area {
    int x, y, width, height;
};
inline Area main_entry(int entry) {
    return {layout::MAIN_MENU_X, layout::MAIN_MENU_Y + layout::MAIN_MENU_SPACING * (3 - entry), 120, 20};
}
// The middle band of an options line, clear of its neighbours' ascenders and descenders.
inline Area option_line(int line) {
    return {layout::OPTIONS_X, layout::OPTIONS_Y + layout::option_rise(line) + 4, 360, 10};
}
inline Area cell(int column, int row, int size = layout::CELL) {
    return {layout::FIELD_X + size * column, layout::FIELD_Y + size * row, size, size};
}
inline Area legend(int column) {
    return {layout::FIELD_X + layout::LEGEND_INSET + layout::CELL * column, layout::LEGEND_Y, 10, 16};
}
// How many pixels of the area pass the test, given their place.
inline int count(const Area& area, const std::function<bool(int x, int y)>& test) {
    int passing = 0;
    for (int y = area.y; y < area.y + area.height; ++y)
        for (int x = area.x; x < area.x + area.width; ++x) passing += test(x, y);
    return passing;
}

// A window capture, a saved screenshot or one of the game's pictures.
struct Image {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;  // top row first
    Rgb at(int x, int y) const { return pixels[size_t((height - 1 - y) * width + x)]; }
};
// nullopt for a missing or incomplete file.
inline std::optional<Image> load_image(const fs::path& path) {
    SDL_Surface* surface = IMG_Load(path.c_str());
    if (!surface) return std::nullopt;
    Image image{surface->w, surface->h, {}};
    const int bytes = surface->format->BytesPerPixel;
    for (int y = 0; y < surface->h; ++y)
        for (int x = 0; x < surface->w; ++x) {
            Uint32 value = 0;
            Uint8 r, g, b;
            std::memcpy(&value, static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * bytes, size_t(bytes));
            SDL_GetRGB(value, surface->format, &r, &g, &b);
            image.pixels.push_back(Rgb(r) << 16 | Rgb(g) << 8 | b);
        }
    SDL_FreeSurface(surface);
    return image;
}
inline bool has_colour(const Image& image, const Area& area, Rgb colour) {
    return count(area, [&](int x, int y) { return image.at(x, y) == colour; }) > 0;
}
// Pixels of the area that differ from `other` from the corner `from` onward, or at the same place.
inline int differing(const Image& image, const Area& area, const Image& other,
                     std::optional<std::pair<int, int>> from = std::nullopt) {
    const auto [x0, y0] = from.value_or(std::pair(area.x, area.y));
    return count(area, [&](int x, int y) { return image.at(x, y) != other.at(x0 + x - area.x, y0 + y - area.y); });
}
// The width and height, as "WxH", of what the area shows in the colour: a text's size in its font.
inline std::string ink_size(const Image& image, const Area& area, Rgb colour) {
    int left = area.x + area.width, right = -1, bottom = area.y + area.height, top = -1;
    count(area, [&](int x, int y) {
        if (image.at(x, y) == colour)
            left = std::min(left, x), right = std::max(right, x), bottom = std::min(bottom, y), top = std::max(top, y);
        return false;
    });
    return std::to_string(right - left + 1) + "x" + std::to_string(top - bottom + 1);
}

// Polls until `done`, no more often than a capture costs a busy machine; false when the time runs out.
inline bool eventually(Milliseconds timeout, const std::function<bool()>& done) {
    for (const auto end = std::chrono::steady_clock::now() + timeout; !done();
         std::this_thread::sleep_for(Milliseconds(50)))
        if (std::chrono::steady_clock::now() >= end) return false;
    return true;
}
inline bool eventually(const std::function<bool()>& done) { return eventually(Milliseconds(5000), done); }
// Runs a program in its own process group, standard error into `errors` (empty: nowhere). Root
// is stopped by no permission, so a player's run is one as the user nobody.
inline pid_t spawn(const std::vector<std::string>& argv, const Environment& environment, const fs::path& from,
                   const fs::path& errors, bool as_player = false) {
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid > 0) return setpgid(pid, pid), pid;
    setpgid(0, 0);
    const int null = open("/dev/null", O_RDWR);
    for (int fd : {0, 1}) dup2(null, fd);
    dup2(errors.empty() ? null : open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
    for (const auto& [name, value] : environment)
        value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    std::vector<char*> args;
    for (const std::string& word : argv) args.push_back(const_cast<char*>(word.c_str()));
    args.push_back(nullptr);
    if (chdir(from.c_str()) != 0 || (as_player && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)))
        _exit(126);
    execvp(args[0], args.data());
    _exit(127);
}
// The exit status (128 + signal), or nullopt while it still runs after the timeout.
inline std::optional<int> reap(pid_t pid, Milliseconds timeout) {
    int status = 0;
    if (!eventually(timeout, [&] { return waitpid(pid, &status, WNOHANG) == pid; })) return std::nullopt;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
inline void kill_group(pid_t pid) { kill(-pid, SIGKILL), reap(pid, Milliseconds(5000)); }

class GameTest : public ::testing::Test {
protected:
    // The player's folder of an installed game, $XDG_DATA_HOME/tapfall, is the copy's folder too:
    // its files are where the tests look for them, beside a copy of the game's own. Xvfb writes
    // its display number to the pipe once it takes connections, or closes it if it fails; without
    // -noreset it would reset whenever its last client leaves, as each xdotool call does, and a
    // game connecting then could not open the display.
    GameTest() {
        if (installed_game().empty())
            fs::copy(TAPFALL_BIN_DIR, folder, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
        else fs::copy(fs::canonical(installed_game()).parent_path(), folder, fs::copy_options::recursive);
        int fds[2];
        if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
        fcntl(fds[0], F_SETFD, FD_CLOEXEC);
        xvfb_ = spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-noreset", "-screen", "0", "800x600x24",
                       "-nolisten", "tcp"},
                      {}, "/", "");
        close(fds[1]);
        for (char c; read(fds[0], &c, 1) == 1 && c != '\n';) display_ += c;
        close(fds[0]);
        x_.emplace(display_);
    }
    ~GameTest() override {
        if (game_ > 0 && !status_) kill_group(game_);
        x_.reset();
        kill_group(xvfb_);
    }

    // The installed game the tests run instead of build/bin: $TAPFALL_E2E_GAME, as the package's
    // own test sets it, or "" for the built game.
    static std::string installed_game() {
        return std::getenv("TAPFALL_E2E_GAME") ? std::getenv("TAPFALL_E2E_GAME") : "";
    }
    void write_settings(const std::string& text) const { std::ofstream(folder / "TapFall.ini") << text; }
    // Starts the program (empty: the copy by its absolute path, or the installed game with the
    // copy as its player's folder) from the copy's parent folder.
    void start(const std::string& program = "", const Environment& changes = {},
               const std::vector<std::string>& arguments = {}) {
        if (game_ > 0 && !status_) kill_group(game_);
        Environment environment = {{"DISPLAY", display_}, {"SDL_AUDIODRIVER", "dummy"}, {"WAYLAND_DISPLAY", {}}};
        if (!installed_game().empty()) environment["XDG_DATA_HOME"] = temp_.path().string();
        for (const auto& [name, value] : changes) environment[name] = value;
        std::vector<std::string> argv = {!program.empty()           ? program
                                         : installed_game().empty() ? (folder / "tapfall").string()
                                                                    : installed_game()};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        game_ = spawn(argv, environment, temp_.path(), temp_.file("stderr.txt"), as_player);
        status_.reset();
        window_ = 0;
    }
    std::optional<int> wait_for_exit(Milliseconds timeout = Milliseconds(5000)) {
        return status_ ? status_ : (status_ = reap(game_, timeout));
    }
    std::string error_output() const { return temp_.read("stderr.txt"); }

    // The window titled VERSION_CAPTION; 0 (and a failure) when none comes.
    unsigned long window() {
        const std::string search = "DISPLAY=" + display_ + " timeout 15 xdotool search --sync --name '^";
        FILE* found = window_ ? nullptr : popen((search + VERSION_CAPTION + "$'").c_str(), "r");
        if (found) std::fscanf(found, "%lu", &window_), pclose(found);
        EXPECT_NE(window_, 0u) << "no window titled " << VERSION_CAPTION << "; standard error: " << error_output();
        return window_;
    }
    std::string icon_and_class() { return x_->icon_and_class(window()); }
    void close_window() { x_->close(window()); }
    void blacken() { x_->blacken(window(), layout::WINDOW_WIDTH, layout::WINDOW_HEIGHT); }
    void xdotool(const std::string& words) {
        const std::string line = "DISPLAY=" + display_ + " xdotool " + words;
        EXPECT_EQ(std::system(line.c_str()), 0) << line;
    }
    void destroy_window() { xdotool("windowclose " + std::to_string(window())); }  // as any other X client can
    // To the game's window: "key" presses and releases the keys, "keydown" or "keyup" does half.
    void type(const std::vector<std::string>& keys, const std::string& command = "key") {
        std::string words = command + " --window " + std::to_string(window()) + " --delay 10";
        for (const std::string& key : keys) words += " " + key;
        xdotool(words);
    }

    std::optional<Image> capture() {
        Image image{layout::WINDOW_WIDTH, layout::WINDOW_HEIGHT,
                    x_->capture(window(), layout::WINDOW_WIDTH, layout::WINDOW_HEIGHT)};
        return image.pixels.empty() ? std::nullopt : std::optional(image);
    }
    // The first frame that `shows`; fails the test when none does in time.
    std::optional<Image> wait_for(Milliseconds timeout, const std::function<bool(const Image&)>& shows) {
        std::optional<Image> found;
        eventually(timeout, [&] {
            if (std::optional<Image> frame = capture(); frame && shows(*frame)) found = frame;
            return found || wait_for_exit(Milliseconds(0));
        });
        if (!found) ADD_FAILURE() << "the window never showed what was awaited; standard error: " << error_output();
        return found;
    }
    std::optional<Image> wait_for(const std::function<bool(const Image&)>& shows) {
        return wait_for(Milliseconds(10000), shows);
    }
    const Image& picture(const std::string& file) {  // as asset_files names it
        if (!pictures_.count(file)) pictures_[file] = load_image(folder / file).value();
        return pictures_[file];
    }
    // Text and pieces cover part of every screen; the rest shows its picture unchanged.
    bool shows(const Image& frame, const std::string& file) {
        const Image& expected = picture(file);
        const Area all{0, 0, expected.width, expected.height};
        return count(all, [&](int x, int y) { return frame.at(x, y) == expected.at(x, y); }) >
               0.7 * all.width * all.height;
    }
    // The screen with the highlight on this line of it, and on no other.
    bool wait_for_highlight(const std::string& screen, Area (*line)(int), int lines, int highlighted) {
        return bool(wait_for([&](const Image& frame) {
            for (int i = 0; i < lines; ++i)
                if (has_colour(frame, line(i), SELECTED) != (i == highlighted)) return false;
            return shows(frame, screen);
        }));
    }
    bool wait_for_menu(int entry) { return wait_for_highlight(asset_files::MENU_SCREEN, main_entry, 4, entry); }
    // True once the countdown is over: the empty field shows its backdrop where it stood.
    bool start_game() {
        const Area countdown{layout::COUNTDOWN_X, layout::COUNTDOWN_Y, 130, 26};
        if (!wait_for_menu(0)) return false;
        type({"Return"});
        return bool(wait_for(Milliseconds(13000), [&](const Image& frame) {
            return !differing(frame, countdown, picture(asset_files::BACKDROP)) ||
                   !differing(frame, countdown, picture(asset_files::BIG_BACKDROP));
        }));
    }
    // Starts the program with these settings and a game in it: the first frame after the countdown.
    std::optional<Image> play_with(const std::string& settings) {
        write_settings(settings);
        start();
        return start_game() ? capture() : std::nullopt;
    }
    // Takes a BMP away from the game's folder once it is complete: its name and picture.
    std::optional<std::pair<std::string, Image>> take_bmp(Milliseconds timeout = Milliseconds(5000)) {
        std::optional<std::pair<std::string, Image>> found;
        eventually(timeout, [&] {
            for (const fs::directory_entry& entry : fs::directory_iterator(folder))
                if (auto image = entry.path().extension() == ".bmp" ? load_image(entry.path()) : std::nullopt)
                    found = {entry.path().filename().string(), *image}, fs::remove(entry.path());
            return found.has_value();
        });
        return found;
    }

private:
    TempDir temp_;

protected:
    fs::path folder = temp_.path() / "tapfall";  // the copy of build/bin or of the installed game's folder
    bool as_player = false;                      // start the game with a player's permissions, even as root

private:
    std::string display_ = ":";
    std::optional<XServer> x_;
    pid_t xvfb_ = -1, game_ = -1;
    std::optional<int> status_;
    unsigned long window_ = 0;
    std::map<std::string, Image> pictures_;
};
