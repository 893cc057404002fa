// Resources: every picture and font size of the game, loaded once at start-up in a fixed order
// (a missing file throws a LoadError naming it) and released with the object; and the lines of
// text the last frame drew, kept for the next.
#pragma once

#include <memory>
#include <string>

#include "render/screen_copy.h"
#include "render/text.h"
#include "render/texture.h"

struct _TTF_Font;
using TTF_Font = _TTF_Font;

struct FontCloser {
    void operator()(TTF_Font* font) const;
};
using Font = std::unique_ptr<TTF_Font, FontCloser>;

struct StillCopy {
    ScreenCopy picture;
    std::string shows;
};

struct Resources {
    Texture cell_sheet;
    Texture big_cell_sheet;
    Texture backdrop;
    Texture backdrop_big;
    Texture column_highlight;
    Texture menu_screen;
    Texture options_screen;
    Texture credits_screen;
    Texture guide_10_keys;
    Texture guide_40_keys;
    Texture cell_highlight;

    Font font8;
    Font font10;
    Font font12;
    Font font14;
    Font font16;
    Font font20;
    // Drawing fills these, so a screen drawn from const Resources may still keep its texts.
    mutable TextCache text;
    // The texts that change from frame to frame: the time, the pieces per minute, the countdown.
    mutable TextCache running_text;
    // The game screen but for its running texts, as the last frame that drew it whole drew it;
    // the frames after it are drawn from the copy while what it shows stays the same.
    mutable StillCopy still;

    Resources();
    Resources(const Resources&) = delete;
    Resources& operator=(const Resources&) = delete;
};
