#include "input/overlays.h"

#include <cctype>

#include "input/key_rows.h"

namespace {

// The first held key of the keyboard column, in legend precedence; -1 when none is held.
int held_row(int keyboard_column, KeyBlock keys, const KeyHeld& held) {
    const int rows = keys == KeyBlock::FourRows ? KEY_ROWS : 1;
    for (int row = 0; row < rows; ++row)
        if (held(ROW_KEYS[row][keyboard_column])) return row;
    return -1;
}

}  // namespace

bool key_held(const Session& session, KeyCode logical, const unsigned char* keyboard, int keyboard_size) {
    if (!session.game.started) return false;
    const KeyCode physical = session.settings.key_bindings.physical_key(logical);
    return physical >= 0 && physical < keyboard_size && keyboard[physical] != 0;
}

std::vector<LegendLabel> key_legend(const Session& session, KeyBlock keys, const KeyHeld& held) {
    std::vector<LegendLabel> labels;
    for (int column = 0; column < session.game.playfield.width(); ++column) {
        const int keyboard = keyboard_column(column, session.settings.big_mode);
        const int row = held_row(keyboard, keys, held);
        const KeyCode shown = ROW_KEYS[row < 0 ? HOME_ROW : row][keyboard];
        labels.push_back({char(std::toupper(shown)), row >= 0});
    }
    return labels;
}

std::vector<bool> lit_columns(const Session& session, KeyBlock keys, const KeyHeld& held) {
    std::vector<bool> lit;
    for (int column = 0; column < session.game.playfield.width(); ++column)
        lit.push_back(session.game.started &&
                      held_row(keyboard_column(column, session.settings.big_mode), keys, held) >= 0);
    return lit;
}
