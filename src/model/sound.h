// The sounds the game asks for, named for what they mark. The game only names them; the
// application plays them, and only while the sound setting is on.
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
