#include "placement/placement.h"

#include <gtest/gtest.h>

// The shapes are seen where the pieces land, in scenarios/dropping.txt.

TEST(Placement, EachSystemPutsItsOwnColumnUnderTheKey) {
    // The axis column and the preview offset for Up, Left, Right and Down of I, O, T, L, J, S and Z.
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
    for (const auto& c : cases) {
        const PlacementSystem& system = placement_system(*find_kind(placement_systems(), c.system));
        std::string axes, offsets;
        for (int type = 0; type < PIECE_TYPES; ++type) {
            if (type > 0) axes += " ", offsets += " ";
            for (int turn = 0; turn < 4; ++turn) {
                const PieceMask mask = piece_mask(system, {type, Orientation(turn)});
                axes += char('0' + mask.axis_column);
                offsets += char('0' + mask.preview_offset);
            }
        }
        EXPECT_EQ(c.axes, axes) << c.system;
        EXPECT_EQ(c.offsets, offsets) << c.system;
    }
    // Widths and heights, whatever the system.
    std::string sizes;
    for (int type = 0; type < PIECE_TYPES; ++type)
        for (int turn = 0; turn < 4; ++turn) {
            const PieceMask mask = piece_mask(placement_systems()[0], {type, Orientation(turn)});
            sizes += std::to_string(mask.width()) + std::to_string(mask.height()) + (turn == 3 ? " " : ",");
        }
    EXPECT_EQ("41,14,14,41 22,22,22,22 32,23,23,32 32,23,23,32 32,23,23,32 32,23,23,32 32,23,23,32 ", sizes);
    EXPECT_EQ(0, piece_mask(placement_systems()[0], {NO_PIECE, Orientation::Up}).width());
}
