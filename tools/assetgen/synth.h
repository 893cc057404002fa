// Wave: a mono sound at 44100 Hz built by adding notes, glides and noise bursts into it;
// Timbre describes a note's partials and decay. Everything is deterministic.
#pragma once

#include <vector>

constexpr int SAMPLE_RATE = 44100;

struct Partial {
    double ratio;        // frequency as a multiple of the note's
    double gain;         // loudness relative to the fundamental
    double decay_scale;  // how much faster than the fundamental it dies away
};

struct Timbre {
    std::vector<Partial> partials;
    double attack;  // seconds
    double decay;   // per second, of the fundamental's envelope
};

class Wave {
public:
    explicit Wave(double seconds);

    double seconds() const { return double(samples_.size()) / SAMPLE_RATE; }
    const std::vector<double>& samples() const { return samples_; }

    // A note from start for length seconds; it ends with a short fade so nothing clicks.
    void add_note(double start, double length, double frequency, double amplitude, const Timbre& timbre);
    // A sine gliding exponentially from one frequency to another, with a smooth hump envelope.
    void add_glide(double start, double length, double from_hz, double to_hz, double amplitude);
    // A burst of smoothed noise; smoothing 0..1, higher is darker.
    void add_noise(double start, double length, double amplitude, double decay, double smoothing);
    // Amplitude wobble over the whole wave: rate in Hz, depth 0..1.
    void tremolo(double rate, double depth);
    // Scales the wave so that its loudest sample has the given magnitude.
    void normalize(double peak);

private:
    std::vector<double> samples_;
};

namespace timbre {
// A struck wooden bar: strong fundamental with the bar's high overtone.
Timbre mallet();
// A glassy bell with inharmonic overtones and a long ring.
Timbre bell();
// A soft square-ish tone for beeps and alarms.
Timbre beep();
// A warm, rounded tone for chords.
Timbre pad();
}  // namespace timbre
