#include "render/resources.h"

#include <initializer_list>
#include <string>

#include "app/fatal.h"

namespace {

const char* const FONT_PATH = "font/dejavumonosansbold.ttf";

// The cell tiles stand side by side in the sheet; the sprite slots take them in another order.
const int CELL_SLOT_OF_TILE[7] = {0, 1, 5, 6, 4, 3, 2};

void cut_cells(Sprite (&sprites)[7], Texture* sheet, int size) {
    for (int tile = 0; tile < 7; ++tile)
        sprites[CELL_SLOT_OF_TILE[tile]].setAll(sheet, tile * size, 0, size, size);
}

void load_sprite(Texture& texture, const char* path, Sprite& sprite, int w, int h) {
    texture.load(path);
    sprite.setAll(&texture, 0, 0, w, h);
}

TTF_Font* open_font(int points) {
    TTF_Font* font = TTF_OpenFont(FONT_PATH, points);
    if (font == nullptr) fatal_error(std::string("Couldn't load ") + FONT_PATH);
    return font;
}

std::string sound_path(const char* name) { return std::string("sfx/") + name + ".ogg"; }

Mix_Chunk* load_sound(const char* name) { return Mix_LoadWAV(sound_path(name).c_str()); }

void check_sound(const Mix_Chunk* chunk, const char* name) {
    if (chunk == nullptr) fatal_error("Couldn't load " + sound_path(name));
}

}  // namespace

Resources::Resources() : loaded_(true) {
    cellSheetTexture.load("img/cellsheet.png");
    cut_cells(cellSprites, &cellSheetTexture, 20);
    cellSheetBigTexture.load("img/cellsheetbig.png");
    cut_cells(bigCellSprites, &cellSheetBigTexture, 40);

    backdropTexture.load("img/backdrop.png");
    backdropBigTexture.load("img/backdropbig.png");
    backdrop.setAll(&backdropTexture, 0, 0, 640, 480);
    backdropBig.setAll(&backdropBigTexture, 0, 0, 640, 480);

    load_sprite(columnHighlightTexture, "img/columnhighlight.png", columnHighlight, 20, 400);

    menuScreenTexture.load("img/menuscreen.png");
    optionsScreenTexture.load("img/optionsscreen.png");
    creditsScreenTexture.load("img/creditsscreen.png");
    menuScreen.setAll(&menuScreenTexture, 0, 0, 640, 480);
    optionsScreen.setAll(&optionsScreenTexture, 0, 0, 640, 480);
    creditsScreen.setAll(&creditsScreenTexture, 0, 0, 640, 480);

    load_sprite(guide10KeysTexture, "img/guide10keys.png", guide10Keys, 80, 220);
    load_sprite(guide40KeysTexture, "img/guide40keys.png", guide40Keys, 80, 320);
    load_sprite(cellHighlightTexture, "img/cellhighlight.png", cellHighlight, 20, 20);

    font12 = open_font(12);
    font8 = open_font(8);
    font16 = open_font(16);
    font14 = open_font(14);
    font10 = open_font(10);
    font20 = open_font(20);

    // A missing drop sound only silences that drop: the mixer refuses to play a null chunk.
    for (int variant = 0; variant < DROP_SOUND_VARIANTS; ++variant) {
        for (int column = 0; column < DROP_SOUND_COLUMNS; ++column) {
            const char name[] = {char('0' + column), char('a' + variant), '\0'};
            dropSounds[column][variant] = load_sound(name);
        }
    }

    rotateSound = load_sound("rotate");
    holdSound = load_sound("hold");
    rewindSound = load_sound("rewind");
    check_sound(rotateSound, "rotate");
    check_sound(holdSound, "hold");
    check_sound(rewindSound, "rewind");

    hurrySound = load_sound("hurry");
    finishSound = load_sound("finish");
    check_sound(hurrySound, "hurry");
    check_sound(finishSound, "finish");

    menuGameStartSound = load_sound("menugamestart");
    menuChooseSound = load_sound("menuchoose");
    menuSelectSound = load_sound("menuselect");
    menuCancelSound = load_sound("menucancel");
    menuQuitSound = load_sound("menuquit");
    check_sound(menuGameStartSound, "menugamestart");
    check_sound(menuChooseSound, "menuchoose");
    check_sound(menuSelectSound, "menuselect");
    check_sound(menuCancelSound, "menucancel");
    check_sound(menuQuitSound, "menuquit");

    countdownSound = load_sound("countdown");
    countdownStartSound = load_sound("countdownstart");
    check_sound(countdownSound, "countdown");
    check_sound(countdownStartSound, "countdownstart");
}

Resources::Resources(Unloaded) {}

Resources::~Resources() {
    if (!loaded_) return;
    for (Texture* texture :
         {&cellSheetTexture, &cellSheetBigTexture, &backdropTexture, &backdropBigTexture,
          &columnHighlightTexture, &optionsScreenTexture, &menuScreenTexture, &creditsScreenTexture,
          &guide10KeysTexture, &guide40KeysTexture, &cellHighlightTexture})
        texture->free();

    for (TTF_Font* font : {font12, font8, font16, font14, font10, font20}) TTF_CloseFont(font);

    for (auto& column : dropSounds)
        for (Mix_Chunk* sound : column) Mix_FreeChunk(sound);
    for (Mix_Chunk* sound :
         {holdSound, rotateSound, rewindSound, hurrySound, finishSound, menuGameStartSound,
          menuChooseSound, menuSelectSound, menuCancelSound, menuQuitSound, countdownSound,
          countdownStartSound})
        Mix_FreeChunk(sound);
}
