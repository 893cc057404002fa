// Placement systems: which cell of a piece lands in the typed column, and how a piece sits in
// a four-cell display box. Every system gives the same shapes; they differ only in the axis
// column and the box offset.
#pragma once

#include <vector>

#include "model/piece.h"
#include "model/registry.h"

struct PlacementSystem {
    static constexpr Family FAMILY = Family::PlacementSystem;
    const char* name;
    InfoLines info;
    // Sets the mask's axis_column and preview_offset; the shape is already in it.
    void (*align)(PieceMask& mask, int piece, Orientation orientation);
};

// In the order the options menu cycles through them; the first is the default.
const std::vector<PlacementSystem>& placement_systems();
inline const PlacementSystem& placement_system(PlacementSystemId id) { return kind_of(placement_systems(), id); }

// The shape of the piece in its orientation, flush with the bottom-left corner, aligned by the
// system. A type outside 0..6 gives an empty mask.
PieceMask piece_mask(const PlacementSystem& system, const Piece& piece);
