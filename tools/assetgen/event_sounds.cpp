#include <stdexcept>

#include "sounds.h"

namespace {

// Note frequencies used by the event sounds.
constexpr double C5 = 523.25, E5 = 659.26, G5 = 783.99, A5 = 880.0, B5 = 987.77;
constexpr double C6 = 1046.5, D6 = 1174.66, E6 = 1318.51, G6 = 1567.98, C7 = 2093.0;
constexpr double G4 = 392.0, D5 = 587.33;

Wave rotate() {
    Wave w(0.07);
    w.add_glide(0, 0.07, 900, 1700, 1.0);
    w.add_noise(0, 0.02, 0.15, 200, 0.3);
    w.normalize(0.35);
    return w;
}

// Two quick notes, down then up: the piece is put aside and another taken.
Wave hold() {
    Wave w(0.2);
    w.add_note(0, 0.1, E6, 1.0, timbre::pad());
    w.add_note(0.07, 0.13, B5, 1.0, timbre::pad());
    w.normalize(0.4);
    return w;
}

// A falling glide with a fast wobble, like a tape running backwards.
Wave rewind() {
    Wave w(0.34);
    w.add_glide(0, 0.34, 1500, 260, 1.0);
    w.add_glide(0, 0.34, 1500 * 1.5, 390, 0.3);
    w.tremolo(28, 0.6);
    w.normalize(0.45);
    return w;
}

// Three urgent alternating beeps.
Wave hurry() {
    Wave w(0.46);
    const double notes[3] = {C6, A5, C6};
    for (int i = 0; i < 3; ++i) w.add_note(i * 0.15, 0.11, notes[i], 1.0, timbre::beep());
    w.normalize(0.5);
    return w;
}

// A rising fanfare that settles on a ringing major chord.
Wave finish() {
    Wave w(0.8);
    const double run[4] = {C5, E5, G5, C6};
    for (int i = 0; i < 4; ++i) w.add_note(i * 0.08, 0.8 - i * 0.08, run[i], 0.8, timbre::pad());
    w.add_note(0.32, 0.48, E6, 0.5, timbre::bell());
    w.add_note(0.32, 0.48, G6, 0.4, timbre::bell());
    w.add_note(0.32, 0.48, C7, 0.3, timbre::bell());
    w.normalize(0.65);
    return w;
}

// An eager upward arpeggio with a swoosh under it.
Wave menu_game_start() {
    Wave w(0.5);
    const double run[4] = {G4, C5, E5, G5};
    for (int i = 0; i < 4; ++i) w.add_note(i * 0.06, 0.5 - i * 0.06, run[i], 0.8, timbre::mallet());
    w.add_glide(0, 0.3, 300, 1200, 0.25);
    w.add_note(0.24, 0.26, C6, 0.5, timbre::bell());
    w.normalize(0.55);
    return w;
}

Wave menu_choose() {
    Wave w(0.05);
    w.add_note(0, 0.05, C7 * 0.6, 1.0, timbre::beep());
    w.normalize(0.3);
    return w;
}

Wave menu_select() {
    Wave w(0.15);
    w.add_note(0, 0.07, A5, 1.0, timbre::mallet());
    w.add_note(0.06, 0.09, E6, 1.0, timbre::mallet());
    w.normalize(0.45);
    return w;
}

Wave menu_cancel() {
    Wave w(0.17);
    w.add_note(0, 0.08, A5, 1.0, timbre::mallet());
    w.add_note(0.07, 0.1, D5, 1.0, timbre::mallet());
    w.normalize(0.45);
    return w;
}

// A gentle goodbye falling down a chord; short enough to end within the quit wait.
Wave menu_quit() {
    Wave w(0.6);
    const double run[3] = {G5, E5, C5};
    for (int i = 0; i < 3; ++i) w.add_note(i * 0.11, 0.6 - i * 0.11, run[i], 0.8, timbre::pad());
    w.normalize(0.5);
    return w;
}

Wave countdown() {
    Wave w(0.15);
    w.add_note(0, 0.15, A5, 1.0, timbre::beep());
    w.normalize(0.45);
    return w;
}

Wave countdown_start() {
    Wave w(0.42);
    w.add_note(0, 0.42, A5 * 2, 1.0, timbre::beep());
    w.add_note(0, 0.42, E6 * 2, 0.4, timbre::bell());
    w.add_note(0, 0.42, D6, 0.3, timbre::pad());
    w.normalize(0.5);
    return w;
}

}  // namespace

Wave event_sound(Sound sound) {
    switch (sound) {
        case Sound::Rotate: return rotate();
        case Sound::Hold: return hold();
        case Sound::Rewind: return rewind();
        case Sound::Hurry: return hurry();
        case Sound::Finish: return finish();
        case Sound::GameStart: return menu_game_start();
        case Sound::MenuChoose: return menu_choose();
        case Sound::MenuSelect: return menu_select();
        case Sound::MenuCancel: return menu_cancel();
        case Sound::MenuQuit: return menu_quit();
        case Sound::Countdown: return countdown();
        case Sound::CountdownStart: return countdown_start();
        case Sound::Drop: break;
    }
    throw std::invalid_argument("a drop sounds by its column and lines: drop_sound");
}
