#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {
constexpr double TAU = 6.283185307179586;
constexpr double FADE_OUT = 0.008;
constexpr double NOTE_RELEASE = 0.06;

int sample_index(double seconds) { return int(std::lround(seconds * SAMPLE_RATE)); }
}  // namespace

Wave::Wave(double seconds) : samples_(size_t(sample_index(seconds)), 0.0) {}

void Wave::add_note(double start, double length, double frequency, double amplitude, const Timbre& timbre) {
    const int first = sample_index(start);
    const int count = std::min(sample_index(length), int(samples_.size()) - first);
    // A note cut off while still loud sounds chopped; let it fade over its last stretch.
    const double fade = std::max(FADE_OUT, std::min(NOTE_RELEASE, 0.3 * length));
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / SAMPLE_RATE;
        const double attack = timbre.attack > 0 ? std::min(1.0, t / timbre.attack) : 1.0;
        const double release = std::min(1.0, (length - t) / fade);
        double v = 0;
        for (const Partial& p : timbre.partials) {
            const double hz = frequency * p.ratio;
            // Partials above the hearing range would only alias.
            if (hz >= SAMPLE_RATE / 2.2) continue;
            v += p.gain * std::exp(-timbre.decay * p.decay_scale * t) * std::sin(TAU * hz * t);
        }
        samples_[size_t(first + i)] += amplitude * attack * release * v;
    }
}

void Wave::add_glide(double start, double length, double from_hz, double to_hz, double amplitude) {
    const int first = sample_index(start);
    const int count = std::min(sample_index(length), int(samples_.size()) - first);
    double phase = 0;
    for (int i = 0; i < count; ++i) {
        const double progress = double(i) / count;
        const double hz = from_hz * std::pow(to_hz / from_hz, progress);
        phase += TAU * hz / SAMPLE_RATE;
        const double envelope = std::sin(3.141592653589793 * progress);
        samples_[size_t(first + i)] += amplitude * envelope * std::sin(phase);
    }
}

void Wave::add_noise(double start, double length, double amplitude, double decay, double smoothing) {
    const int first = sample_index(start);
    const int count = std::min(sample_index(length), int(samples_.size()) - first);
    // A fixed linear congruential generator keeps every build's sounds identical.
    uint32_t state = 0x2545F491u;
    double smoothed = 0;
    for (int i = 0; i < count; ++i) {
        state = state * 1664525u + 1013904223u;
        const double white = double(state >> 8) / double(1u << 24) * 2.0 - 1.0;
        smoothed = smoothing * smoothed + (1 - smoothing) * white;
        const double t = double(i) / SAMPLE_RATE;
        const double release = std::min(1.0, (length - t) / FADE_OUT);
        samples_[size_t(first + i)] += amplitude * std::exp(-decay * t) * release * smoothed;
    }
}

void Wave::tremolo(double rate, double depth) {
    for (size_t i = 0; i < samples_.size(); ++i) {
        const double t = double(i) / SAMPLE_RATE;
        samples_[i] *= 1 - depth * 0.5 * (1 + std::sin(TAU * rate * t));
    }
}

void Wave::normalize(double peak) {
    double loudest = 0;
    for (double s : samples_) loudest = std::max(loudest, std::abs(s));
    if (loudest == 0) return;
    for (double& s : samples_) s *= peak / loudest;
}

namespace timbre {

Timbre mallet() { return {{{1, 1.0, 1}, {4, 0.22, 3.5}, {10, 0.05, 7}}, 0.002, 11}; }

Timbre bell() { return {{{1, 1.0, 1}, {2.76, 0.35, 1.6}, {5.4, 0.18, 2.4}, {8.93, 0.08, 3.5}}, 0.001, 6}; }

Timbre beep() { return {{{1, 1.0, 1}, {3, 0.28, 1}, {5, 0.12, 1}}, 0.004, 2}; }

Timbre pad() { return {{{1, 1.0, 1}, {2, 0.3, 1.4}, {3, 0.12, 2}}, 0.012, 3}; }

}  // namespace timbre
