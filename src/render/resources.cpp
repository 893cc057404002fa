#include "render/resources.h"

#include <iterator>
#include <string>

#include "render/asset_files.h"

namespace {

// In the order of Picture, which is the order they load in.
constexpr const char* PICTURE_FILES[] = {
    asset_files::CELL_SHEET,     asset_files::BIG_CELL_SHEET,   asset_files::BACKDROP,
    asset_files::BIG_BACKDROP,   asset_files::COLUMN_HIGHLIGHT, asset_files::MENU_SCREEN,
    asset_files::OPTIONS_SCREEN, asset_files::CREDITS_SCREEN,   asset_files::GUIDE_10_KEYS,
    asset_files::GUIDE_40_KEYS,  asset_files::CELL_HIGHLIGHT,
};
static_assert(std::size(PICTURE_FILES) == size_t(Picture::CellHighlight) + 1, "one file a picture");
// FONT_POINTS is in the order of FontSize.
static_assert(std::size(asset_files::FONT_POINTS) == size_t(FontSize::Points20) + 1, "one size a font");

}  // namespace

Resources::Resources() {
    for (const char* file : PICTURE_FILES) pictures_.emplace_back(file);
    for (int points : asset_files::FONT_POINTS) fonts_.emplace_back(points);
}
