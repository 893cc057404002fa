// Building playfields for tests from pictures: rows from the top down, '#' a settled block.
#pragma once

#include <string>
#include <vector>

#include "model/playfield.h"

// The last row of the picture is row 0; every block is stored as an O cell.
inline void paint(PlayField& field, const std::vector<std::string>& rows) {
    const int bottom = static_cast<int>(rows.size()) - 1;
    for (int r = 0; r <= bottom; ++r)
        for (int column = 0; column < static_cast<int>(rows[r].size()); ++column)
            if (rows[r][column] == '#') field.cells[column][bottom - r] = CELL_O;
}

inline int blocks_in(const PlayField& field) {
    int count = 0;
    for (const auto& column : field.cells)
        for (int cell : column) count += cell != CELL_EMPTY;
    return count;
}
