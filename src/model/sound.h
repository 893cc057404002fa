// The sounds of the game, named for what they mark: the menus ask for theirs, and the sound
// board knows which event of a game each one marks.
#pragma once

enum class Sound {
    // One per column and per number of lines the drop cleared (0..4): a run of drops plays a tune.
    Drop,
    Rotate,
    Hold,
    Rewind,
    Hurry,
    Finish,
    GameStart,
    MenuChoose,
    MenuSelect,
    MenuCancel,
    MenuQuit,
    Countdown,
    CountdownStart,
};

struct SoundCue {
    Sound sound;
    int column = 0;
    int lines = 0;
};

inline bool operator==(const SoundCue& a, const SoundCue& b) {
    return a.sound == b.sound && a.column == b.column && a.lines == b.lines;
}
