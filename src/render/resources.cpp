#include "render/resources.h"

#include <SDL_ttf.h>

#include <string>

#include "render/asset_files.h"
#include "render/layout.h"

namespace {

Font open_font(int points) {
    Font font(TTF_OpenFont(asset_files::FONT, points));
    if (!font) throw LoadError(std::string("Couldn't load ") + asset_files::FONT);
    return font;
}

}  // namespace

void FontCloser::operator()(TTF_Font* font) const { TTF_CloseFont(font); }

Resources::Resources()
    : cell_sheet(asset_files::CELL_SHEET),
      big_cell_sheet(asset_files::BIG_CELL_SHEET),
      backdrop(asset_files::BACKDROP),
      backdrop_big(asset_files::BIG_BACKDROP),
      column_highlight(asset_files::COLUMN_HIGHLIGHT),
      menu_screen(asset_files::MENU_SCREEN),
      options_screen(asset_files::OPTIONS_SCREEN),
      credits_screen(asset_files::CREDITS_SCREEN),
      guide_10_keys(asset_files::GUIDE_10_KEYS),
      guide_40_keys(asset_files::GUIDE_40_KEYS),
      cell_highlight(asset_files::CELL_HIGHLIGHT),
      font8(open_font(8)),
      font10(open_font(10)),
      font12(open_font(12)),
      font14(open_font(14)),
      font16(open_font(16)),
      font20(open_font(20)),
      still{{layout::WINDOW_WIDTH, layout::WINDOW_HEIGHT}, {}} {}
