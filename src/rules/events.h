// What the rules report as a game goes on, in the order it happened. The rules only tell: the
// sound board hears every event, the screenshot and the records take the ones they need.
#pragma once

#include <vector>

enum class Event {
    // A piece went into `column`, the one typed (before any clamping), and cleared `lines`.
    Placed,
    // A drop into `column` found no room, or wanted clamping that is turned off.
    Refused,
    // Music mode: a key into `column` that only sounds.
    Note,
    Turned,
    Held,
    // The undo key, whether or not there was anything to take back.
    Undone,
    Restarted,
    CountdownBeat,
    PlayStarted,
    Hurry,
    Finished,
    ScreenshotAsked,
    // The player left the game for the menus.
    Left,
};

struct GameEvent {
    Event kind;
    int column = 0;
    int lines = 0;
};

inline bool operator==(const GameEvent& a, const GameEvent& b) {
    return a.kind == b.kind && a.column == b.column && a.lines == b.lines;
}

using Events = std::vector<GameEvent>;
