// PieceMaskType: a placement system, deciding which column of a piece lands in the typed column
// and how the piece sits in a four-cell display box. Every system gives the same shapes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/piece.h"

extern const std::string LEFT_PIECE_MASK_NAME;
extern const std::string CENTER_PIECE_MASK_NAME;
extern const std::string RIGHT_PIECE_MASK_NAME;
extern const std::string LEFT_LOWEST_PIECE_MASK_NAME;
extern const std::string RIGHT_LOWEST_PIECE_MASK_NAME;

class PieceMaskType {
public:
    virtual ~PieceMaskType() = default;
    // Fills the whole mask for a type 0..6; any other type leaves it untouched.
    virtual void get_piece_mask(int piece, Orientation orientation, PieceMask* mask) const = 0;
    virtual std::string get_name() const = 0;
};

// Writes the shape of (piece, orientation) flush with the bottom-left corner; axis_column and
// preview_offset are left to the system. False, with the mask untouched, for a type outside 0..6.
bool fill_piece_shape(int piece, Orientation orientation, PieceMask* mask);

const std::vector<std::string>& piece_mask_type_names();
std::unique_ptr<PieceMaskType> make_piece_mask_type(const std::string& name);
