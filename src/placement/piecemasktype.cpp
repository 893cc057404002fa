#include "placement/piecemasktype.h"

#include <array>

#include "placement/centerpiecemask.h"
#include "placement/leftlowestpiecemask.h"
#include "placement/leftpiecemask.h"
#include "placement/rightlowestpiecemask.h"
#include "placement/rightpiecemask.h"

namespace {

// Rows from the top down, separated by '/'; X is a block. Order: UP, LEFT, RIGHT, DOWN.
const char* const SHAPES[PIECE_TYPES][4] = {
    {"XXXX", "X/X/X/X", "X/X/X/X", "XXXX"},
    {"XX/XX", "XX/XX", "XX/XX", "XX/XX"},
    {".X./XXX", ".X/XX/.X", "X./XX/X.", "XXX/.X."},
    {"..X/XXX", "XX/.X/.X", "X./X./XX", "XXX/X.."},
    {"X../XXX", ".X/.X/XX", "XX/X./X.", "XXX/..X"},
    {".XX/XX.", "X./XX/.X", "X./XX/.X", ".XX/XX."},
    {"XX./.XX", ".X/XX/X.", ".X/XX/X.", "XX./.XX"},
};

void parse_shape(const char* shape, PieceMask* mask) {
    int rows = 1;
    for (const char* c = shape; *c; ++c) rows += *c == '/';

    *mask = PieceMask{};
    int row = rows - 1;
    int column = 0;
    for (const char* c = shape; *c; ++c) {
        if (*c == '/') {
            --row;
            column = 0;
            continue;
        }
        mask->cells[column * 4 + row] = *c == 'X';
        ++column;
    }
}

// Parsed once: masks are asked for every frame and hundreds of times per Bastet decision.
const PieceMask& shape_mask(int piece, Orientation orientation) {
    static const auto masks = [] {
        std::array<std::array<PieceMask, 4>, PIECE_TYPES> parsed;
        for (int type = 0; type < PIECE_TYPES; ++type)
            for (int turn = 0; turn < 4; ++turn) parse_shape(SHAPES[type][turn], &parsed[type][turn]);
        return parsed;
    }();
    return masks[piece][orientation];
}

}  // namespace

bool fill_piece_shape(int piece, Orientation orientation, PieceMask* mask) {
    if (piece < 0 || piece >= PIECE_TYPES) return false;
    if (orientation != LEFT && orientation != RIGHT && orientation != DOWN) orientation = UP;
    *mask = shape_mask(piece, orientation);
    return true;
}

const std::vector<std::string>& piece_mask_type_names() {
    static const std::vector<std::string> names = {
        LEFT_PIECE_MASK_NAME, CENTER_PIECE_MASK_NAME, RIGHT_PIECE_MASK_NAME,
        LEFT_LOWEST_PIECE_MASK_NAME, RIGHT_LOWEST_PIECE_MASK_NAME};
    return names;
}

std::unique_ptr<PieceMaskType> make_piece_mask_type(const std::string& name) {
    if (name == LEFT_PIECE_MASK_NAME) return std::make_unique<LeftPieceMask>();
    if (name == CENTER_PIECE_MASK_NAME) return std::make_unique<CenterPieceMask>();
    if (name == RIGHT_PIECE_MASK_NAME) return std::make_unique<RightPieceMask>();
    if (name == LEFT_LOWEST_PIECE_MASK_NAME) return std::make_unique<LeftLowestPieceMask>();
    if (name == RIGHT_LOWEST_PIECE_MASK_NAME) return std::make_unique<RightLowestPieceMask>();
    return nullptr;
}
