#include "render/resources.h"

#include <SDL_ttf.h>

#include <string>

#include "render/layout.h"

namespace {

Font open_font(int points) {
    Font font(TTF_OpenFont(layout::FONT_FILE, points));
    if (!font) throw LoadError(std::string("Couldn't load ") + layout::FONT_FILE);
    return font;
}

}  // namespace

void FontCloser::operator()(TTF_Font* font) const { TTF_CloseFont(font); }

Resources::Resources()
    : cell_sheet("img/cellsheet.png"),
      big_cell_sheet("img/cellsheetbig.png"),
      backdrop("img/backdrop.png"),
      backdrop_big("img/backdropbig.png"),
      column_highlight("img/columnhighlight.png"),
      menu_screen("img/menuscreen.png"),
      options_screen("img/optionsscreen.png"),
      credits_screen("img/creditsscreen.png"),
      guide_10_keys("img/guide10keys.png"),
      guide_40_keys("img/guide40keys.png"),
      cell_highlight("img/cellhighlight.png"),
      font8(open_font(8)),
      font10(open_font(10)),
      font12(open_font(12)),
      font14(open_font(14)),
      font16(open_font(16)),
      font20(open_font(20)),
      still{{layout::WINDOW_WIDTH, layout::WINDOW_HEIGHT}, {}} {}
