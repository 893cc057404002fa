// Resources: every texture, sprite, font size and sound of the game, loaded once at start-up
// (or the program ends with a message naming the missing file) and released at shutdown.
#pragma once

#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include "render/texture.h"

constexpr int DROP_SOUND_COLUMNS = 10;
constexpr int DROP_SOUND_VARIANTS = 5;

struct Resources {
    Sprite cellSprites[7];
    Sprite bigCellSprites[7];
    Sprite backdrop;
    Sprite backdropBig;
    Sprite columnHighlight;
    Sprite menuScreen;
    Sprite optionsScreen;
    Sprite creditsScreen;
    Sprite guide10Keys;
    Sprite guide40Keys;
    Sprite cellHighlight;

    TTF_Font* font12 = nullptr;
    TTF_Font* font8 = nullptr;
    TTF_Font* font16 = nullptr;
    TTF_Font* font14 = nullptr;
    TTF_Font* font10 = nullptr;
    TTF_Font* font20 = nullptr;

    // [column][lines cleared]
    Mix_Chunk* dropSounds[DROP_SOUND_COLUMNS][DROP_SOUND_VARIANTS] = {};
    Mix_Chunk* rotateSound = nullptr;
    Mix_Chunk* holdSound = nullptr;
    Mix_Chunk* rewindSound = nullptr;
    Mix_Chunk* hurrySound = nullptr;
    Mix_Chunk* finishSound = nullptr;
    Mix_Chunk* menuGameStartSound = nullptr;
    Mix_Chunk* menuChooseSound = nullptr;
    Mix_Chunk* menuSelectSound = nullptr;
    Mix_Chunk* menuCancelSound = nullptr;
    Mix_Chunk* menuQuitSound = nullptr;
    Mix_Chunk* countdownSound = nullptr;
    Mix_Chunk* countdownStartSound = nullptr;

    Texture cellSheetTexture;
    Texture cellSheetBigTexture;
    Texture backdropTexture;
    Texture backdropBigTexture;
    Texture columnHighlightTexture;
    Texture menuScreenTexture;
    Texture optionsScreenTexture;
    Texture creditsScreenTexture;
    Texture guide10KeysTexture;
    Texture guide40KeysTexture;
    Texture cellHighlightTexture;

    // Loads every asset, in a fixed order, or ends the program.
    Resources();
    // Nothing loaded and nothing released: for code that never draws, such as the tests.
    struct Unloaded {};
    explicit Resources(Unloaded);
    ~Resources();
    Resources(const Resources&) = delete;
    Resources& operator=(const Resources&) = delete;

private:
    bool loaded_ = false;
};
