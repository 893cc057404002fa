// ScreenView: what one frame shows, worked out without drawing: layers of sprites and lines of
// text, each where it stands, in the order they are drawn. Two views that compare equal draw the
// same pixels, so a frame whose view equals the one the window shows needs no drawing at all.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// The game's pictures; the cell sheets hold one tile a piece type, side by side along the bottom.
enum class Picture {
    CellSheet,
    BigCellSheet,
    Backdrop,
    BackdropBig,
    ColumnHighlight,
    MenuScreen,
    OptionsScreen,
    CreditsScreen,
    Guide10Keys,
    Guide40Keys,
    CellHighlight,
};

enum class FontSize { Points8, Points10, Points12, Points14, Points16, Points20 };

struct Colour {
    uint8_t r, g, b;
};

// One copy of a picture with its bottom-left corner at (x, y): the whole picture, or one tile of
// a cell sheet.
constexpr int WHOLE_PICTURE = -1;
struct Sprite {
    int x, y;
    int tile = WHOLE_PICTURE;
};

// Copies of one picture, drawn together.
struct SpriteLayer {
    Picture picture;
    std::vector<Sprite> sprites;
};

struct Text {
    FontSize font;
    Colour colour;
    int x, y;
    std::string text;
};

using Layer = std::variant<SpriteLayer, Text>;

// A part of the window: what a sprite or a line of text covers, or what changed in a frame.
struct Box {
    int x, y;
    int width = 0, height = 0;
};
// The smallest box that holds both.
Box bounding(const Box& a, const Box& b);

struct ScreenView {
    std::vector<Layer> still;
    // The texts that change from frame to frame, over the still layers: the time, the pieces per
    // minute and the countdown of the game screen. Nothing still lies under them, so a frame
    // that changes nothing else draws the still layers as the frame before did.
    std::vector<Text> running;
};

bool operator==(const Colour& a, const Colour& b);
bool operator==(const Sprite& a, const Sprite& b);
bool operator==(const SpriteLayer& a, const SpriteLayer& b);
bool operator==(const Text& a, const Text& b);
bool operator==(const ScreenView& a, const ScreenView& b);
