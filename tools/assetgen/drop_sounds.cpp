#include <cmath>

#include "sounds.h"

namespace {

// Column notes climb a major pentatonic scale from G4, so any run of drops stays in key, and
// every chord below is built from the same scale.
constexpr double BASE_HZ = 392.0;
constexpr int PENTATONIC[5] = {0, 2, 4, 7, 9};

double scale_note(int degree) {
    const int octave = degree / 5;
    const int semitones = 12 * octave + PENTATONIC[degree % 5];
    double hz = BASE_HZ * std::pow(2.0, semitones / 12.0);
    // Sparkles that would climb too high are folded down an octave so they stay sweet.
    while (hz > 4200) hz /= 2;
    return hz;
}

constexpr double LENGTHS[asset_files::DROP_SOUND_LINES] = {0.26, 0.36, 0.48, 0.64, 0.8};
constexpr double PEAKS[asset_files::DROP_SOUND_LINES] = {0.5, 0.55, 0.6, 0.65, 0.7};

// The soft knock of a block landing, under the pitched note.
void add_knock(Wave& wave) { wave.add_noise(0, 0.03, 0.35, 140, 0.7); }

// An upward run of bell notes; more lines give a longer, higher run.
void add_sparkle(Wave& wave, int root, int notes, double step, double amplitude) {
    for (int i = 0; i < notes; ++i)
        wave.add_note(0.04 + i * step, wave.seconds() - 0.04 - i * step, scale_note(root + 5 + i),
                      amplitude * (1 - 0.06 * i), timbre::bell());
}

}  // namespace

double drop_pan(int column) { return -0.6 + 1.2 * column / (asset_files::DROP_SOUND_COLUMNS - 1); }

Wave drop_sound(int column, int lines) {
    Wave wave(LENGTHS[lines]);
    const double length = wave.seconds();
    add_knock(wave);
    wave.add_note(0, length, scale_note(column), 1.0, timbre::mallet());
    if (lines >= 1) wave.add_note(0.01, length - 0.01, scale_note(column + 2), 0.55, timbre::mallet());
    if (lines >= 2) {
        wave.add_note(0.02, length - 0.02, scale_note(column + 4), 0.45, timbre::pad());
        wave.add_note(0.02, length - 0.02, scale_note(column + 5), 0.3, timbre::bell());
    }
    if (lines == 3) add_sparkle(wave, column, 3, 0.05, 0.35);
    if (lines == 4) {
        wave.add_note(0, length, scale_note(column) / 2, 0.5, timbre::pad());
        add_sparkle(wave, column, 7, 0.035, 0.38);
    }
    wave.normalize(PEAKS[lines]);
    return wave;
}
