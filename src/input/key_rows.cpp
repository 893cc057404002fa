#include "input/key_rows.h"

#include <algorithm>

namespace {

// The big field's column 0 lies under the fourth keyboard column.
constexpr int BIG_MODE_FIRST_KEY_COLUMN = 3;
constexpr int BIG_MODE_COLUMNS = 5;

}  // namespace

const KeyCode ROW_KEYS[KEY_ROWS][KEYBOARD_COLUMNS] = {
    {'a', 's', 'd', 'f', 'g', 'h', 'j', 'k', 'l', ';'},
    {'z', 'x', 'c', 'v', 'b', 'n', 'm', ',', '.', '/'},
    {'q', 'w', 'e', 'r', 't', 'y', 'u', 'i', 'o', 'p'},
    {'1', '2', '3', '4', '5', '6', '7', '8', '9', '0'},
};

bool find_key(KeyCode key, KeyPosition* position) {
    for (int row = 0; row < KEY_ROWS; ++row)
        for (int column = 0; column < KEYBOARD_COLUMNS; ++column)
            if (ROW_KEYS[row][column] == key) {
                *position = {row, column};
                return true;
            }
    return false;
}

int playfield_column(int keyboard_column, bool big_mode) {
    if (!big_mode) return keyboard_column;
    return std::clamp(keyboard_column - BIG_MODE_FIRST_KEY_COLUMN, 0, BIG_MODE_COLUMNS - 1);
}

int keyboard_column(int column, bool big_mode) { return big_mode ? column + BIG_MODE_FIRST_KEY_COLUMN : column; }
