#include "input/control_scheme.h"

#include "input/forty_key_scheme.h"
#include "input/ten_key_scheme.h"
#include "model/actions.h"

void count_key(Game& game) {
    if (!game.finished) game.keys += 1;
}

KeyOutcome ControlScheme::press(Game& game, KeyCode key, uint32_t now) const {
    switch (key) {
        case KEY_BACKSPACE:
            if (!game.settings.practice_mode) break;
        {
            count_key(game);
            const bool undone = game.undo();
            game.play(Sound::Rewind);
            return undone ? KeyOutcome::NewPiece : KeyOutcome::Other;
        }
        case KEY_RETURN:
            game.play(Sound::GameStart);
            game.reset();
            break;
        case KEY_SPACE:
            if (!game.settings.hold_allowed) break;
            count_key(game);
            return hold_active_piece(game) ? KeyOutcome::NewPiece : KeyOutcome::Other;
        case KEY_F2:
            // The next frame is saved as it is drawn.
            game.screenshot_pending = true;
            break;
        default:
            return press_own_key(game, key, now);
    }
    return KeyOutcome::Other;
}

const std::vector<ControlSchemeKind>& control_schemes() {
    static const TenKeyScheme ten_key;
    static const FortyKeyScheme forty_key(Turn::Ccw);
    static const FortyKeyScheme forty_key_inverse(Turn::Cw);
    static const std::vector<ControlSchemeKind> kinds = {
        {"10-Key",
         {"Simulates Inkdrop input", "ASDFGHJKL; drops pieces", "W and U rotate ccw, E and I rotate 180, R and O rotate cw",
          "Space bar holds active piece"},
         ten_key},
        {"40-Key",
         {"Simulates Quartz Rain input", "Home row drops pieces in initial orientation, upper row drops rotated ccw,",
          "lower row drops rotated cw, number row drops rotated 180", "Space bar holds active piece"},
         forty_key},
        {"40-Key-Inverse",
         {"Simulates Quartz Rain input, with upper and lower rows switched",
          "Home row drops pieces in initial orientation, upper row drops rotated cw,",
          "lower row drops rotated ccw, number row drops rotated 180", "Space bar holds active piece"},
         forty_key_inverse},
    };
    return kinds;
}

const ControlScheme& control_scheme(const Settings& settings) {
    return control_schemes()[settings.control_scheme].scheme;
}

KeyOutcome handle_game_key(Game& game, KeyCode physical, uint32_t now) {
    const KeyCode key = game.settings.key_bindings.translate(physical);
    if (key != KEY_RETURN && key != KEY_F2) game.recording.keys.push_back({now - game.start_ticks, physical});
    return control_scheme(game.settings).press(game, key, now);
}
