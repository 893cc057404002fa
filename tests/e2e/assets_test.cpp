#include <string>

#include "e2e/gametest.h"

namespace {

bool ends_with(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

using AssetLoading = GameTest;

TEST_F(AssetLoading, TheFirstMissingAssetInLoadOrderIsReported) {
    struct Case {
        std::vector<std::string> missing;
        std::string message;
    };
    const Case cases[] = {
        // Hurry is checked before finish.
        {{"sfx/finish.ogg", "sfx/hurry.ogg"}, "Error:Couldn't load sfx/hurry.ogg"},
        // Fonts come before every sound.
        {{"sfx/rotate.ogg", "font/dejavumonosansbold.ttf"},
         "Error:Couldn't load font/dejavumonosansbold.ttf"},
        // Images come before fonts.
        {{"font/dejavumonosansbold.ttf", "img/backdrop.png"},
         "Error:Couldn't load image file: img/backdrop.png"},
        // A missing drop sound is no error, though the drop sounds load first.
        {{"sfx/3c.ogg", "sfx/countdownstart.ogg"}, "Error:Couldn't load sfx/countdownstart.ogg"},
    };
    for (const Case& c : cases) {
        const fs::path hidden = make_directory("hidden");
        for (const std::string& file : c.missing) fs::rename(folder() / file, hidden / fs::path(file).filename());
        start();
        EXPECT_EQ(wait_for_exit(WINDOW_TIMEOUT), 1) << c.message;
        EXPECT_TRUE(ends_with(error_output(), c.message)) << error_output();
        for (const std::string& file : c.missing) fs::rename(hidden / fs::path(file).filename(), folder() / file);
        fs::remove_all(hidden);
    }
}
