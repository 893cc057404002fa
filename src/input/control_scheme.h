// Control schemes: what a key does during play. Every key of a scheme names a playfield column,
// and some a turn; the piece drops at once. All schemes share Backspace (undo in practice mode),
// Return (restart), Space (hold) and F2 (screenshot). A scheme also tells the game screen which
// keys to mirror under the field and what its rotation guide says and shows.
#pragma once

#include <vector>

#include "input/rotation_guide.h"
#include "model/registry.h"
#include "rules/session.h"

// The keys a scheme reads: the home row only, or all four rows.
enum class KeyBlock { HomeRow, FourRows };

// What a key did to the piece: only a drop places it or is refused; a hold or an undo that did
// something brings another piece.
enum class KeyOutcome { Other, Placed, Refused, NewPiece };

class ControlScheme {
public:
    virtual ~ControlScheme() = default;
    // Handles one logical key (already translated through the key bindings), pressed at `now`.
    KeyOutcome press(Session& session, KeyCode key, uint32_t now) const;
    virtual KeyBlock keys() const = 0;
    // The active piece as each slot of the rotation guide shows it, after the slot over the
    // active-piece display, which shows the piece as it is.
    virtual std::vector<Piece> guide_pieces(const Piece& active) const = 0;
    virtual const RotationGuide& guide() const = 0;

protected:
    // The scheme's own keys: the drops and turns.
    virtual KeyOutcome press_own_key(Session& session, KeyCode key, uint32_t now) const = 0;
};

// Counts toward the keys statistic while the game is not finished.
void count_key(Session& session);

struct ControlSchemeKind {
    static constexpr Family FAMILY = Family::ControlScheme;
    const char* name;
    InfoLines info;
    const ControlScheme& scheme;
};

// In the order the options menu cycles through them; the first is the default.
const std::vector<ControlSchemeKind>& control_schemes();
const ControlScheme& control_scheme(const Settings& settings);

// A key pressed during play, after the countdown, at `now`: translated through the bindings,
// handed to the scheme and kept in the session's recording (all but F2, whose screenshot is no
// part of the game, and Return, which starts a new one). Escape never comes here.
KeyOutcome handle_game_key(Session& session, KeyCode physical, uint32_t now);
