// The files the game loads from beside itself: every picture, every sound and the font, each
// named once here. The asset generator writes them under these names; the resources, the
// window icon and the sound board load them; the tests look for them.
#pragma once

#include <string>

#include "model/sound.h"

namespace asset_files {

// The pictures. The resources load them in their own order, so a missing one is named before
// any font or sound.
constexpr const char* CELL_SHEET = "img/cellsheet.png";
constexpr const char* BIG_CELL_SHEET = "img/cellsheetbig.png";
constexpr const char* BACKDROP = "img/backdrop.png";
constexpr const char* BIG_BACKDROP = "img/backdropbig.png";
constexpr const char* COLUMN_HIGHLIGHT = "img/columnhighlight.png";
constexpr const char* MENU_SCREEN = "img/menuscreen.png";
constexpr const char* OPTIONS_SCREEN = "img/optionsscreen.png";
constexpr const char* CREDITS_SCREEN = "img/creditsscreen.png";
constexpr const char* GUIDE_10_KEYS = "img/guide10keys.png";
constexpr const char* GUIDE_40_KEYS = "img/guide40keys.png";
constexpr const char* CELL_HIGHLIGHT = "img/cellhighlight.png";
constexpr const char* WINDOW_ICON = "img/icon32.bmp";
// Desktop environments take PNG icons for the installed menu entry, a large one too; only the
// installation reads them (packaging/CMakeLists.txt).
constexpr const char* MENU_ICON = "img/icon32.png";
constexpr const char* LARGE_MENU_ICON = "img/icon128.png";

constexpr const char* FONT = "font/dejavumonosansbold.ttf";
// The sizes the game sets its text in, in points.
constexpr int FONT_POINTS[] = {8, 10, 12, 14, 16, 20};
// A browser's build sets its text from glyphs rendered at build time, one sheet a size.
inline std::string glyph_sheet_file(int points) { return "font/glyphs-" + std::to_string(points) + ".glyphs"; }

// The drop sounds, one for each column and number of lines the drop cleared, load first; a
// missing one only silences its drop.
constexpr int DROP_SOUND_COLUMNS = 10;
constexpr int DROP_SOUND_LINES = 5;
// Named by the column's digit and the letter of the lines cleared: "sfx/3c.ogg" is column 3
// clearing two lines.
inline std::string drop_sound_file(int column, int lines) {
    return std::string("sfx/") + char('0' + column) + char('a' + lines) + ".ogg";
}

// The other sounds load a batch at a time, and a batch is checked once all of it is loaded: the
// game names the first file missing, but the sound library's complaint, printed before it, may
// be about a later file of the same batch.
enum class SoundBatch { Moves, GameEnds, Menus, Countdown };

struct SoundFile {
    Sound sound;
    const char* file;
    SoundBatch batch;
};

// Every sound but the drops, in the order they load.
inline constexpr SoundFile SOUND_FILES[] = {
    {Sound::Rotate, "sfx/rotate.ogg", SoundBatch::Moves},
    {Sound::Hold, "sfx/hold.ogg", SoundBatch::Moves},
    {Sound::Rewind, "sfx/rewind.ogg", SoundBatch::Moves},
    {Sound::Hurry, "sfx/hurry.ogg", SoundBatch::GameEnds},
    {Sound::Finish, "sfx/finish.ogg", SoundBatch::GameEnds},
    {Sound::GameStart, "sfx/menugamestart.ogg", SoundBatch::Menus},
    {Sound::MenuChoose, "sfx/menuchoose.ogg", SoundBatch::Menus},
    {Sound::MenuSelect, "sfx/menuselect.ogg", SoundBatch::Menus},
    {Sound::MenuCancel, "sfx/menucancel.ogg", SoundBatch::Menus},
    {Sound::MenuQuit, "sfx/menuquit.ogg", SoundBatch::Menus},
    {Sound::Countdown, "sfx/countdown.ogg", SoundBatch::Countdown},
    {Sound::CountdownStart, "sfx/countdownstart.ogg", SoundBatch::Countdown},
};

}  // namespace asset_files
