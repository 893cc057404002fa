#include "placement/placement.h"

#include <gtest/gtest.h>

namespace {

const PlacementSystem& system_named(const char* name) { return placement_systems()[find_kind(placement_systems(), name)]; }

// The mask's rows top first, '#' for a block, as wide as its box.
std::string picture(const PieceMask& mask) {
    std::string rows;
    for (int row = mask.height() - 1; row >= 0; --row) {
        for (int column = 0; column < mask.width(); ++column) rows += mask.occupied(column, row) ? '#' : '.';
        rows += row ? "/" : "";
    }
    return rows;
}

}  // namespace

TEST(Placement, EverySystemGivesTheSameShapes) {
    const Orientation turns[] = {Orientation::Up, Orientation::Left, Orientation::Right, Orientation::Down};
    const char* const t_shapes[] = {".#./###", ".#/##/.#", "#./##/#.", "###/.#."};
    const char* const l_shapes[] = {"..#/###", "##/.#/.#", "#./#./##", "###/#.."};
    for (const PlacementSystem& system : placement_systems())
        for (int turn = 0; turn < 4; ++turn) {
            EXPECT_EQ(t_shapes[turn], picture(piece_mask(system, {PIECE_T, turns[turn]}))) << system.name;
            EXPECT_EQ(l_shapes[turn], picture(piece_mask(system, {PIECE_L, turns[turn]}))) << system.name;
        }
    EXPECT_EQ("####", picture(piece_mask(system_named("Left-aligned"), {PIECE_I, Orientation::Down})));
    EXPECT_EQ(".##/##.", picture(piece_mask(system_named("Left-aligned"), {PIECE_S, Orientation::Down})));
    EXPECT_EQ("##./.##", picture(piece_mask(system_named("Left-aligned"), {PIECE_Z, Orientation::Up})));
    EXPECT_EQ("#../###", picture(piece_mask(system_named("Left-aligned"), {PIECE_J, Orientation::Up})));
    EXPECT_EQ("", picture(piece_mask(system_named("Left-aligned"), {NO_PIECE, Orientation::Up})));
}

TEST(Placement, EachSystemPutsItsOwnColumnUnderTheKey) {
    // axis_column for Up, Left, Right, Down of I, O, T, L, J, S, Z.
    const struct {
        const char* system;
        const char* axes;
        const char* offsets;
    } cases[] = {
        {"Left-aligned", "0000 0000 0000 0000 0000 0000 0000", "0000 0000 0000 0000 0000 0000 0000"},
        {"Center-aligned", "1001 0000 1101 1101 1101 1101 1101", "0110 1111 0010 0010 0010 0010 0010"},
        {"Right-aligned", "3003 1111 2112 2112 2112 2112 2112", "0330 2222 1221 1221 1221 1221 1221"},
        {"Leftmost lowest", "0000 0000 0101 0100 0002 0110 1001", "0000 0000 0000 0000 0000 0000 0000"},
        {"Rightmost lowest", "3003 1111 2101 2110 2102 1111 2002", "0330 2222 1221 1221 1221 1221 1221"},
    };
    const Orientation turns[] = {Orientation::Up, Orientation::Left, Orientation::Right, Orientation::Down};
    for (const auto& c : cases) {
        std::string axes, offsets;
        for (int type = 0; type < PIECE_TYPES; ++type) {
            for (Orientation turn : turns) {
                const PieceMask mask = piece_mask(system_named(c.system), {type, turn});
                axes += char('0' + mask.axis_column);
                offsets += char('0' + mask.preview_offset);
            }
            axes += type < 6 ? " " : "";
            offsets += type < 6 ? " " : "";
        }
        EXPECT_EQ(c.axes, axes) << c.system;
        EXPECT_EQ(c.offsets, offsets) << c.system;
    }
}
