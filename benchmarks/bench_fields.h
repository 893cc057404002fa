// Playfields the benchmarks start from: empty, a game half-way up, and a field a few rows
// short of the top, each with one hole per row as a real game leaves them.
#pragma once

#include "model/playfield.h"

// Fills the bottom `rows` rows, leaving one hole per row that wanders across the field.
inline PlayField stacked_field(int rows) {
    PlayField field;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < PLAYFIELD_COLUMNS; ++column)
            if (column != (row * 3 + 1) % PLAYFIELD_COLUMNS) field.set_cell(column, row, Cell(row % 7 + 1));
    return field;
}
