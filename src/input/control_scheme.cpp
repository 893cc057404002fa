#include "input/control_scheme.h"

#include "input/forty_key_scheme.h"
#include "input/ten_key_scheme.h"
#include "rules/actions.h"

void count_key(Session& session) {
    if (!session.game.finished) session.game.keys += 1;
}

KeyOutcome ControlScheme::press(Session& session, KeyCode key, uint32_t now) const {
    switch (key) {
        case KEY_BACKSPACE:
            if (!session.settings.practice_mode) break;
            count_key(session);
            return undo_last_piece(session) ? KeyOutcome::NewPiece : KeyOutcome::Other;
        case KEY_RETURN: restart(session); break;
        case KEY_SPACE:
            if (!session.settings.hold_allowed) break;
            count_key(session);
            return hold_active_piece(session) ? KeyOutcome::NewPiece : KeyOutcome::Other;
        case KEY_F2:
            // The next frame is saved as it is drawn.
            session.report(Event::ScreenshotAsked);
            break;
        default: return press_own_key(session, key, now);
    }
    return KeyOutcome::Other;
}

const std::vector<ControlSchemeKind>& control_schemes() {
    static const TenKeyScheme ten_key;
    static const FortyKeyScheme forty_key(Turn::Ccw);
    static const FortyKeyScheme forty_key_inverse(Turn::Cw);
    static const std::vector<ControlSchemeKind> kinds = {
        {"10-Key",
         {"Simulates Inkdrop input", "ASDFGHJKL; drops pieces",
          "W and U rotate ccw, E and I rotate 180, R and O rotate cw", "Space bar holds active piece"},
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
    return kind_of(control_schemes(), settings.control_scheme).scheme;
}

KeyOutcome handle_game_key(Session& session, KeyCode physical, uint32_t now) {
    const KeyCode key = session.settings.key_bindings.translate(physical);
    if (key != KEY_RETURN && key != KEY_F2)
        session.recording.keys.push_back({now - session.game.start_ticks, physical});
    return control_scheme(session.settings).press(session, key, now);
}
