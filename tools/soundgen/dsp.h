#pragma once
// Small building blocks for synthesis: oscillators, envelopes, filters, noise.
#include <cmath>
#include <cstdint>
#include <vector>

namespace dsp {

constexpr double SampleRate = 44100.0;
constexpr double Pi = 3.14159265358979323846;

using Buffer = std::vector<float>;

inline double midiToHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }
inline double dbToGain(double db) { return std::pow(10.0, db / 20.0); }
inline double gainToDb(double g) { return g > 1e-12 ? 20.0 * std::log10(g) : -240.0; }

// xorshift32: the same seed gives the same noise on every machine.
struct Noise {
  uint32_t state;
  explicit Noise(uint32_t seed) : state(seed ? seed : 0x9E3779B9u) {}
  double next() {  // -1..1
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return static_cast<double>(state) / 2147483648.0 - 1.0;
  }
};

enum class Wave : uint8_t { Sine, Triangle, Saw, Square, Noise };

// Band-limited oscillator (polyBLEP edges for saw and square).
struct Oscillator {
  double phase = 0.0;  // 0..1
  double triState = 0.0;
  double next(Wave wave, double hz, double pulseWidth = 0.5);
};

// Zero-delay-feedback state-variable filter; cutoff may change every sample.
struct Filter {
  double ic1 = 0.0, ic2 = 0.0;
  double lastCutoff = -1.0, g = 0.0, k = 0.0;
  struct Out {
    double low, band, high;
  };
  Out process(double in, double cutoffHz, double resonance);  // resonance 0..0.95
};

// One-pole smoothing / DC blocking helpers.
struct OnePole {
  double z = 0.0;
  double lowpass(double in, double cutoffHz);
  double highpass(double in, double cutoffHz) { return in - lowpass(in, cutoffHz); }
};

// Linear attack, exponential decay to sustain, exponential release (times in seconds).
struct Adsr {
  double attack, decay, sustain, release;
  // Level at time t for a note held for `held` seconds.
  double at(double t, double held) const;
};

// Biquad (RBJ cookbook), used by the loudness meter and the mastering EQ.
struct Biquad {
  double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
  double z1 = 0, z2 = 0;
  static Biquad highpass(double hz, double q);
  static Biquad highShelf(double hz, double gainDb);
  double process(double x) {
    double y = b0 * x + z1;
    z1 = b1 * x - a1 * y + z2;
    z2 = b2 * x - a2 * y;
    return y;
  }
};

}  // namespace dsp
