// Stand-ins for the game model, just enough for the shell to link and run one empty game;
// the real game state, playfield and key configuration replace this file.
#include "model/gamestate.h"

PlayField::PlayField() { clear(); }

void PlayField::clear() {
    for (auto& column : cells)
        for (int& cell : column) cell = CELL_EMPTY;
}

KeyConfig::KeyConfig() {
    for (int entry = 0; entry < KEY_BINDINGS; ++entry) bindings[entry] = default_binding(entry);
}

KeyCode default_binding(int entry) {
    static const KeyCode others[] = {59, 44, 46, 47, KEY_BACKSPACE, KEY_SPACE};
    if (entry < 10) return '0' + entry;
    if (entry < 36) return 'a' + entry - 10;
    return others[entry - 36];
}

KeyCode KeyConfig::translate(KeyCode physical) const {
    if (physical == KEY_ESCAPE || physical == KEY_RETURN || physical == KEY_F2) return physical;
    static const int search_order[] = {10, 0, 36};
    static const int search_end[] = {36, 10, 42};
    for (int part = 0; part < 3; ++part)
        for (int entry = search_order[part]; entry < search_end[part]; ++entry)
            if (bindings[entry] == physical) return default_binding(entry);
    return KEY_NONE;
}

GameState::GameState() { init(); }

void GameState::init() { reset(); }

void GameState::reset() {
    playfield.clear();
    started = finished = hurry = hold_used = screenshot_pending = false;
    hold_piece.type = NO_PIECE;
    lines = pieces = keys = 0;
    history_valid = false;
}

void GameState::updateHistory() {
    history = *this;
    history_valid = true;
}

void GameState::rewindHistory() {}
