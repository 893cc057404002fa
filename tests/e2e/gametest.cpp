#include "e2e/gametest.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace {

constexpr Milliseconds POLL_INTERVAL(20);
// A capture costs the game some time on a busy machine: frames are polled less often.
constexpr Milliseconds FRAME_POLL_INTERVAL(50);
// Between keys typed in one go; the game reads every key queued before a frame.
constexpr int TYPING_DELAY_MS = 10;

using Clock = std::chrono::steady_clock;

}  // namespace

GameTest::GameTest() : x_(std::make_unique<XServer>()) {
    char pattern[] = "/tmp/tapfall-e2e-XXXXXX";
    if (!mkdtemp(pattern)) throw std::runtime_error("mkdtemp failed");
    temp_root_ = pattern;
    folder_ = temp_root_ / "game";
    fs::copy(TAPFALL_BIN_DIR, folder_, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
}

GameTest::~GameTest() {
    game_.reset();
    std::error_code ignored;
    fs::remove_all(temp_root_, ignored);
}

fs::path GameTest::make_directory(const std::string& name) const {
    fs::path directory = temp_root_ / name;
    fs::create_directories(directory);
    return directory;
}

void GameTest::write_settings(const std::string& text) const {
    std::ofstream(folder_ / "TapFall.ini", std::ios::binary) << text;
}

void GameTest::start(const GameStart& how) {
    Environment environment = x_->environment();
    environment["SDL_AUDIODRIVER"] = "dummy";
    environment["WAYLAND_DISPLAY"] = std::nullopt;
    for (const auto& [name, value] : how.environment) environment[name] = value;
    const std::string program = how.program.empty() ? game_path().string() : how.program;
    Launch launch{program,
                  {how.argv0.empty() ? program : how.argv0},
                  (how.working_directory.empty() ? folder_ : how.working_directory).string(),
                  environment,
                  "",
                  (temp_root_ / "stderr.txt").string()};
    window_ = 0;
    game_ = std::make_unique<Process>(launch);
}

unsigned long GameTest::find_window() {
    if (window_) return window_;
    const auto deadline = Clock::now() + WINDOW_TIMEOUT;
    while (Clock::now() < deadline) {
        CommandResult found = run_command(
            {"xdotool", "search", "--name", std::string("^") + "Tapfall v1\\.07" + "$"},
            x_->environment());
        if (found.status == 0) {
            window_ = std::stoul(found.output);
            return window_;
        }
        if (!game_ || !game_->running()) return 0;
        std::this_thread::sleep_for(POLL_INTERVAL);
    }
    return 0;
}

unsigned long GameTest::window() {
    unsigned long id = find_window();
    EXPECT_NE(id, 0u) << "no game window; standard error: " << error_output();
    return id;
}

void GameTest::xdotool(const std::vector<std::string>& arguments) {
    std::vector<std::string> command = {"xdotool"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    // Long key sequences take their delays plus the tool's own start.
    const Milliseconds timeout(5000 + TYPING_DELAY_MS * 2 * long(arguments.size()));
    CommandResult result = run_command(command, x_->environment(), timeout);
    EXPECT_EQ(result.status, 0) << "xdotool failed: " << result.output;
}

void GameTest::press(const std::string& key) {
    xdotool({"key", "--window", std::to_string(window()), key});
}

void GameTest::key_down(const std::string& key) {
    xdotool({"keydown", "--window", std::to_string(window()), key});
}

void GameTest::key_up(const std::string& key) {
    xdotool({"keyup", "--window", std::to_string(window()), key});
}

void GameTest::type(const std::vector<std::string>& keys) {
    std::vector<std::string> arguments = {"key", "--window", std::to_string(window()), "--delay",
                                          std::to_string(TYPING_DELAY_MS)};
    arguments.insert(arguments.end(), keys.begin(), keys.end());
    xdotool(arguments);
}

std::optional<int> GameTest::wait_for_exit(Milliseconds timeout) {
    if (!game_) return std::nullopt;
    return game_->wait_for_exit(timeout);
}

bool GameTest::game_running() { return game_ && game_->running(); }

std::string GameTest::error_output() const { return read_file(temp_root_ / "stderr.txt"); }

bool GameTest::wait_for_file(const fs::path& name, Milliseconds timeout) const {
    const fs::path path = folder_ / name;
    const auto deadline = Clock::now() + timeout;
    while (!fs::exists(path)) {
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(POLL_INTERVAL);
    }
    return true;
}

std::vector<fs::path> GameTest::bmp_files() const {
    std::vector<fs::path> found;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_))
        if (entry.is_regular_file() && entry.path().extension() == ".bmp")
            found.push_back(entry.path().filename());
    std::sort(found.begin(), found.end());
    return found;
}

std::optional<fs::path> GameTest::wait_for_new_bmp(const std::vector<fs::path>& before,
                                                   Milliseconds timeout) const {
    const auto deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        for (const fs::path& name : bmp_files()) {
            if (std::find(before.begin(), before.end(), name) != before.end()) continue;
            // A file still being written does not parse yet.
            if (Bitmap::load(folder_ / name)) return name;
        }
        std::this_thread::sleep_for(POLL_INTERVAL);
    }
    return std::nullopt;
}

std::optional<Bitmap> GameTest::capture() {
    const unsigned long id = window();
    return id ? x_->capture(id) : std::nullopt;
}

std::optional<Bitmap> GameTest::wait_for_frame(const std::function<bool(const Bitmap&)>& shows,
                                               Milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        std::optional<Bitmap> frame = capture();
        if (frame && shows(*frame)) return frame;
        if (Clock::now() >= deadline || !game_running()) {
            ADD_FAILURE() << "waited in vain; the window showed "
                          << (frame ? describe(*frame, pictures()) : "nothing that could be read");
            return std::nullopt;
        }
        std::this_thread::sleep_for(FRAME_POLL_INTERVAL);
    }
}

std::optional<Bitmap> GameTest::wait_for_screen(Screen screen, Milliseconds timeout) {
    return wait_for_frame([&](const Bitmap& frame) { return pictures().screen_of(frame) == screen; },
                          timeout);
}

std::optional<Bitmap> GameTest::wait_for_main_menu(int highlighted_entry) {
    return wait_for_frame([&](const Bitmap& frame) {
        return pictures().screen_of(frame) == Screen::MAIN_MENU && highlighted_main_entry(frame) == highlighted_entry;
    });
}

std::optional<Bitmap> GameTest::wait_for_options(int highlighted_line) {
    return wait_for_frame([&](const Bitmap& frame) {
        return pictures().screen_of(frame) == Screen::OPTIONS && highlighted_option(frame) == highlighted_line;
    });
}

bool GameTest::start_game() {
    if (!wait_for_main_menu(MAIN_START_GAME)) return false;
    press("Return");
    // Once the countdown has gone, the empty field shows its backdrop there.
    const auto counted_down = [this](const Bitmap& frame) {
        return pixels_differing(frame, COUNTDOWN_TEXT, pictures().backdrop(false)) == 0 ||
               pixels_differing(frame, COUNTDOWN_TEXT, pictures().backdrop(true)) == 0;
    };
    return wait_for_frame(counted_down, GAME_START_TIMEOUT).has_value();
}

std::optional<Screenshot> GameTest::take_screenshot() {
    const std::vector<fs::path> before = bmp_files();
    press("F2");
    const std::optional<fs::path> name = wait_for_new_bmp(before);
    if (!name) return std::nullopt;
    std::optional<Bitmap> picture = Bitmap::load((folder_ / *name).string());
    if (!picture) return std::nullopt;
    return Screenshot{*name, std::move(*picture)};
}

bool GameTest::open_options() {
    if (!wait_for_main_menu(MAIN_START_GAME)) return false;
    type({"Down", "Return"});
    option_highlighted_ = 0;
    return wait_for_options(option_highlighted_).has_value();
}

void GameTest::choose_option(int option) {
    std::vector<std::string> keys(size_t((option - option_highlighted_ + OPTION_ENTRIES) % OPTION_ENTRIES), "Down");
    keys.push_back("Return");
    type(keys);
    option_highlighted_ = option;
}

std::string GameTest::save_settings() {
    const fs::path file = folder_ / "TapFall.ini";
    fs::remove(file);
    choose_option(OPTION_SAVE_SETTINGS);
    // Complete once the last line, the key for Space, is there.
    const auto deadline = Clock::now() + FILE_TIMEOUT;
    std::string text = read_file(file);
    while (!(text.find("\nKEY_SPACE=") != std::string::npos && text.back() == '\n') && Clock::now() < deadline) {
        std::this_thread::sleep_for(POLL_INTERVAL);
        text = read_file(file);
    }
    return text;
}

const ScreenPictures& GameTest::pictures() {
    if (!pictures_) pictures_ = std::make_unique<ScreenPictures>(folder_ / "img");
    return *pictures_;
}
