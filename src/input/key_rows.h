// The four keyboard rows the control schemes read, and how a keyboard column maps onto the
// playfield: one to one, or onto the five columns of the big field.
#pragma once

#include "model/key_bindings.h"

// Rows in the order the key legend gives them precedence.
enum KeyRow { HOME_ROW = 0, LOWER_ROW, UPPER_ROW, NUMBER_ROW };
constexpr int KEY_ROWS = 4;
constexpr int KEYBOARD_COLUMNS = 10;

// Logical keys of each row, keyboard columns left to right.
extern const KeyCode ROW_KEYS[KEY_ROWS][KEYBOARD_COLUMNS];

struct KeyPosition {
    int row;
    int column;
};

// Where a logical key sits on the four rows; false for any other key.
bool find_key(KeyCode key, KeyPosition* position);
// The playfield column a keyboard column drops into. The big field is reached from the middle
// five keyboard columns; keys further out drop into its edge columns.
int playfield_column(int keyboard_column, bool big_mode);
// The keyboard column that drops into playfield column `column` from the middle of the keyboard.
int keyboard_column(int column, bool big_mode);
