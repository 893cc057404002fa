// Checks the asset generator's output: every file the game loads is there, in a format the game
// accepts, with the sizes, tile positions and calm text areas it relies on; a second run into a
// fresh directory gives the same bytes as the files shipped beside the game.
#include <gtest/gtest.h>

#include <SDL_image.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path fresh_output;

class GeneratedAssets : public ::testing::Environment {
public:
    void SetUp() override {
        char pattern[] = "/tmp/tapfall_assets_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        fresh_output = pattern;
        const std::string command = std::string("'") + ASSETGEN_PATH + "' '" + fresh_output.string() +
                                    "' '" + ASSET_FONT_PATH + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    void TearDown() override { fs::remove_all(fresh_output); }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new GeneratedAssets);

std::vector<std::string> sound_names() {
    std::vector<std::string> names;
    for (int c = 0; c < 10; ++c)
        for (int n = 0; n < 5; ++n) names.push_back(std::to_string(c) + char('a' + n));
    for (const char* name : {"rotate", "hold", "rewind", "hurry", "finish", "menugamestart",
                             "menuchoose", "menuselect", "menucancel", "menuquit", "countdown",
                             "countdownstart"})
        names.push_back(name);
    return names;
}

struct PictureSpec {
    const char* name;
    int width;
    int height;
    bool translucent;
};

const PictureSpec PICTURES[] = {
    {"cellsheet", 140, 20, false},     {"cellsheetbig", 280, 40, false},
    {"backdrop", 640, 480, false},     {"backdropbig", 640, 480, false},
    {"columnhighlight", 20, 400, true}, {"menuscreen", 640, 480, false},
    {"optionsscreen", 640, 480, false}, {"creditsscreen", 640, 480, false},
    {"guide10keys", 80, 220, true},    {"guide40keys", 80, 320, true},
    {"cellhighlight", 20, 20, true},
};

std::string read_bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A generated picture as the game's loader, SDL_image, reads it.
class Picture {
public:
    explicit Picture(const std::string& name) : surface(IMG_Load((fresh_output / "img" / (name + ".png")).c_str())) {}
    ~Picture() { SDL_FreeSurface(surface); }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // Red, green, blue and alpha at (x, y), rows counted from the top.
    std::array<int, 4> at(int x, int y) const {
        const int bytes = surface->format->BytesPerPixel;
        Uint32 value = 0;
        std::memcpy(&value, static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * bytes, bytes);
        Uint8 r, g, b, a;
        SDL_GetRGBA(value, surface->format, &r, &g, &b, &a);
        return {r, g, b, a};
    }
    int luminance(int x, int y) const {
        const auto p = at(x, y);
        return (p[0] * 30 + p[1] * 59 + p[2] * 11) / 100;
    }
    // Spread of luminance over a rectangle given in the game's upward coordinates.
    int spread(int x, int y, int w, int h) const {
        int lowest = 255, highest = 0;
        for (int row = surface->h - y - h; row < surface->h - y; ++row)
            for (int col = x; col < x + w; ++col) {
                lowest = std::min(lowest, luminance(col, row));
                highest = std::max(highest, luminance(col, row));
            }
        return highest - lowest;
    }

    SDL_Surface* const surface;
};

// Decoded sound: 16-bit samples of all channels interleaved.
struct Sound {
    bool opened = false;
    long rate = 0;
    int channels = 0;
    std::vector<short> samples;

    double seconds() const { return channels ? double(samples.size()) / channels / double(rate) : 0; }
};

Sound decode(const std::string& name) {
    Sound sound;
    OggVorbis_File vf;
    if (ov_fopen((fresh_output / "sfx" / (name + ".ogg")).c_str(), &vf) != 0) return sound;
    sound.opened = true;
    const vorbis_info* info = ov_info(&vf, -1);
    sound.rate = info->rate;
    sound.channels = info->channels;
    char buffer[4096];
    int section = 0;
    long got;
    while ((got = ov_read(&vf, buffer, sizeof buffer, 0, 2, 1, &section)) > 0) {
        const auto* s = reinterpret_cast<const short*>(buffer);
        sound.samples.insert(sound.samples.end(), s, s + got / 2);
    }
    ov_clear(&vf);
    return sound;
}

// Sign changes per second of the first channel between two times: rises with the pitch.
double crossing_rate(const Sound& sound, double from, double to) {
    int crossings = 0;
    for (size_t i = size_t(from * double(sound.rate)) + 1; i < size_t(to * double(sound.rate)); ++i)
        crossings += (sound.samples[(i - 1) * size_t(sound.channels)] < 0) !=
                     (sound.samples[i * size_t(sound.channels)] < 0);
    return crossings / (to - from);
}

}  // namespace

TEST(AssetFiles, EveryFileTheGameLoadsIsWrittenWithTheSameBytesAsBesideTheGame) {
    std::vector<std::string> files = {"img/icon32.bmp", "img/icon32.png", "font/dejavumonosansbold.ttf"};
    for (const PictureSpec& p : PICTURES) files.push_back(std::string("img/") + p.name + ".png");
    for (const std::string& s : sound_names()) files.push_back("sfx/" + s + ".ogg");
    for (const std::string& file : files) {
        const std::string fresh = read_bytes(fresh_output / file);
        EXPECT_FALSE(fresh.empty()) << file;
        EXPECT_TRUE(fresh == read_bytes(fs::path(TAPFALL_BIN_DIR) / file)) << file << " differs";
    }
    EXPECT_EQ(read_bytes(fresh_output / "font/dejavumonosansbold.ttf"), read_bytes(ASSET_FONT_PATH));
}

TEST(Pictures, LoadWithTheirSizesAtThreeOrFourBytesPerPixel) {
    for (const PictureSpec& spec : PICTURES) {
        const Picture p(spec.name);
        ASSERT_NE(p.surface, nullptr) << spec.name;
        EXPECT_EQ(p.surface->w, spec.width) << spec.name;
        EXPECT_EQ(p.surface->h, spec.height) << spec.name;
        // The texture loader rejects paletted and grey images.
        EXPECT_EQ(p.surface->format->BytesPerPixel, spec.translucent ? 4 : 3) << spec.name;
    }
}

TEST(Pictures, HighlightsAreTranslucentEverywhere) {
    for (const char* name : {"columnhighlight", "cellhighlight"}) {
        const Picture p(name);
        ASSERT_NE(p.surface, nullptr) << name;
        for (int y = 0; y < p.surface->h; ++y)
            for (int x = 0; x < p.surface->w; ++x) {
                EXPECT_GT(p.at(x, y)[3], 0) << name << " at " << x << "," << y;
                EXPECT_LT(p.at(x, y)[3], 255) << name << " at " << x << "," << y;
            }
    }
}

TEST(Pictures, CellSheetTilesAreDistinctFilledAndInTheSlotColours) {
    const Picture small("cellsheet"), big("cellsheetbig");
    ASSERT_TRUE(small.surface && big.surface);
    // Sheet order: I cyan, O yellow, S green, Z red, J blue, L orange, T purple.
    auto family = [](const std::array<int, 4>& c) {
        const int r = c[0], g = c[1], b = c[2];
        if (b > r + 60 && g > r + 60) return "cyan";
        if (r > b + 100 && g > b + 100 && std::abs(r - g) < 60) return "yellow";
        if (g > r + 60 && g > b + 60) return "green";
        if (r > g + 120 && r > b + 120) return "red";
        if (b > r + 100 && b > g + 60) return "blue";
        if (r > g + 50 && g > b + 60) return "orange";
        if (r > g + 60 && b > g + 60) return "purple";
        return "none";
    };
    const char* expected[7] = {"cyan", "yellow", "green", "red", "blue", "orange", "purple"};
    for (int k = 0; k < 7; ++k) {
        const auto centre = small.at(20 * k + 10, 10);
        EXPECT_STREQ(family(centre), expected[k]) << "tile " << k;
        EXPECT_STREQ(family(big.at(40 * k + 20, 20)), expected[k]) << "big tile " << k;
        for (int j = 0; j < k; ++j) {
            const auto other = small.at(20 * j + 10, 10);
            const int distance = std::abs(centre[0] - other[0]) + std::abs(centre[1] - other[1]) +
                                 std::abs(centre[2] - other[2]);
            EXPECT_GT(distance, 90) << "tiles " << j << " and " << k;
        }
        // No pixel of a tile is left as dark background, edges included.
        for (int y = 0; y < 20; ++y)
            for (int x = 20 * k; x < 20 * k + 20; ++x) {
                const auto c = small.at(x, y);
                EXPECT_GT(std::max({c[0], c[1], c[2]}), 40) << "tile " << k << " at " << x << "," << y;
            }
    }
}

TEST(Pictures, BackdropsFrameADarkWellAndLeaveTheGamesTextAreasCalm) {
    for (const char* name : {"backdrop", "backdropbig"}) {
        const Picture p(name);
        ASSERT_NE(p.surface, nullptr) << name;
        // The well (220,40)-(420,440) is dark, and its frame is drawn just outside it.
        for (int y = 41; y < 440; y += 7) {
            EXPECT_LT(p.luminance(221 + (y % 180), 480 - y), 60) << name << " well at y " << y;
            EXPECT_GT(p.luminance(218, 480 - y), 90) << name << " left frame at y " << y;
            EXPECT_GT(p.luminance(421, 480 - y), 90) << name << " right frame at y " << y;
        }
        // Where the game writes the statistics (ten 12-point characters at x = 125), with
        // their captions above them.
        for (int y : {245, 205, 165, 125, 85, 45}) {
            EXPECT_LT(p.spread(125, y + 1, 75, 14), 16) << name << " statistic at y " << y;
            EXPECT_GT(p.spread(118, y + 15, 84, 12), 60) << name << " caption above y " << y;
        }
        // The settings summary, the version line and the countdown.
        EXPECT_LT(p.spread(0, 320, 112, 150), 24) << name;
        EXPECT_LT(p.spread(0, 0, 110, 16), 24) << name;
    }
}

TEST(Pictures, MenuScreensLeaveRoomForTheirText) {
    const Picture menu("menuscreen"), options("optionsscreen"), credits("creditsscreen");
    ASSERT_TRUE(menu.surface && options.surface && credits.surface);
    EXPECT_LT(menu.spread(260, 178, 140, 82), 16);
    for (int y : {420, 405, 390, 375, 360, 345, 330, 315, 300, 285, 270, 255, 240, 225, 210, 195,
                  180, 150, 135, 120})
        EXPECT_LT(options.spread(36, y, 300, 16), 16) << "option line at y " << y;
    EXPECT_LT(options.spread(36, 38, 560, 62), 16);
    for (const Picture* p : {&menu, &options, &credits}) EXPECT_LT(p->spread(0, 0, 240, 16), 24) << "version line";
}

TEST(Sounds, EveryFileIsItsOwnOggVorbisSoundAt44100HzOfAShortPlausibleLength) {
    std::set<std::string> seen;
    for (const std::string& name : sound_names()) {
        EXPECT_EQ(read_bytes(fresh_output / "sfx" / (name + ".ogg")).substr(0, 4), "OggS") << name;
        const Sound s = decode(name);
        ASSERT_TRUE(s.opened) << name;
        EXPECT_EQ(s.rate, 44100) << name;
        EXPECT_TRUE(s.channels == 1 || s.channels == 2) << name;
        EXPECT_GE(s.seconds(), 0.05) << name;
        EXPECT_LE(s.seconds(), 0.8) << name;
        int peak = 0;
        for (short v : s.samples) peak = std::max(peak, std::abs(int(v)));
        EXPECT_GT(peak, 3000) << name << " is almost silent";
        EXPECT_LT(peak, 32767) << name << " clips";
        const std::string pcm(reinterpret_cast<const char*>(s.samples.data()), s.samples.size() * 2);
        EXPECT_TRUE(seen.insert(pcm).second) << name << " repeats a sound";
    }
    // The quit sound has to end within the menu's 750 ms quit wait.
    EXPECT_LT(decode("menuquit").seconds(), 0.75);
}

TEST(Sounds, PlainDropsClimbInPitchFromLeftToRight) {
    double previous = 0;
    for (int c = 0; c < 10; ++c) {
        const Sound s = decode(std::to_string(c) + "a");
        ASSERT_TRUE(s.opened);
        // After the landing knock has died away, the column's note alone is left.
        const double rate = crossing_rate(s, 0.05, 0.2);
        EXPECT_GT(rate, previous * 1.05) << "column " << c;
        previous = rate;
    }
}
