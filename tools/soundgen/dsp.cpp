#include "tools/soundgen/dsp.h"

#include <algorithm>

namespace dsp {
namespace {
// The polyBLEP correction around a discontinuity at phase 0.
double polyBlep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}
}  // namespace

double Oscillator::next(Wave wave, double hz, double pulseWidth) {
  double dt = std::clamp(hz / SampleRate, 0.0, 0.49);
  double t = phase;
  double out = 0.0;
  switch (wave) {
    case Wave::Sine:
      out = std::sin(2.0 * Pi * t);
      break;
    case Wave::Saw:
      out = 2.0 * t - 1.0 - polyBlep(t, dt);
      break;
    case Wave::Square:
    case Wave::Triangle: {
      double sq = t < pulseWidth ? 1.0 : -1.0;
      sq += polyBlep(t, dt);
      sq -= polyBlep(std::fmod(t + 1.0 - pulseWidth, 1.0), dt);
      if (wave == Wave::Square) {
        out = sq;
      } else {
        // A leaky integral of the square is a band-limited triangle.
        triState = dt * 4.0 * sq + (1.0 - dt * 0.5) * triState;
        out = triState;
      }
      break;
    }
    case Wave::Noise:
      out = 0.0;
      break;
  }
  phase += dt;
  if (phase >= 1.0) phase -= 1.0;
  return out;
}

Filter::Out Filter::process(double in, double cutoffHz, double resonance) {
  // tan() is costly; a sweep only needs a new coefficient every half percent.
  if (std::abs(cutoffHz - lastCutoff) > lastCutoff * 0.005) {
    double c = std::clamp(cutoffHz, 20.0, SampleRate * 0.45);
    g = std::tan(Pi * c / SampleRate);
    lastCutoff = cutoffHz;
  }
  k = 2.0 - 2.0 * std::clamp(resonance, 0.0, 0.95);
  double a1 = 1.0 / (1.0 + g * (g + k));
  double a2 = g * a1;
  double a3 = g * a2;
  double v3 = in - ic2;
  double v1 = a1 * ic1 + a2 * v3;
  double v2 = ic2 + a2 * ic1 + a3 * v3;
  ic1 = 2.0 * v1 - ic1;
  ic2 = 2.0 * v2 - ic2;
  return {v2, v1, in - k * v1 - v2};
}

double OnePole::lowpass(double in, double cutoffHz) {
  double a = 1.0 - std::exp(-2.0 * Pi * cutoffHz / SampleRate);
  z += a * (in - z);
  return z;
}

double Adsr::at(double t, double held) const {
  auto attackDecay = [this](double u) {
    if (u < attack) return attack > 0 ? u / attack : 1.0;
    double d = u - attack;
    return sustain + (1.0 - sustain) * std::exp(-d / std::max(decay, 1e-4));
  };
  if (t < held) return attackDecay(t);
  double level = attackDecay(held);
  return level * std::exp(-(t - held) / std::max(release, 1e-4));
}

Biquad Biquad::highpass(double hz, double q) {
  double w = 2.0 * Pi * hz / SampleRate;
  double alpha = std::sin(w) / (2.0 * q);
  double c = std::cos(w);
  double a0 = 1.0 + alpha;
  Biquad b;
  b.b0 = (1.0 + c) / 2.0 / a0;
  b.b1 = -(1.0 + c) / a0;
  b.b2 = (1.0 + c) / 2.0 / a0;
  b.a1 = -2.0 * c / a0;
  b.a2 = (1.0 - alpha) / a0;
  return b;
}

Biquad Biquad::highShelf(double hz, double gainDb) {
  double A = std::pow(10.0, gainDb / 40.0);
  double w = 2.0 * Pi * hz / SampleRate;
  double c = std::cos(w);
  double alpha = std::sin(w) / 2.0 * std::sqrt(2.0);
  double sq = 2.0 * std::sqrt(A) * alpha;
  double a0 = (A + 1) - (A - 1) * c + sq;
  Biquad b;
  b.b0 = A * ((A + 1) + (A - 1) * c + sq) / a0;
  b.b1 = -2 * A * ((A - 1) + (A + 1) * c) / a0;
  b.b2 = A * ((A + 1) + (A - 1) * c - sq) / a0;
  b.a1 = 2 * ((A - 1) - (A + 1) * c) / a0;
  b.a2 = ((A + 1) - (A - 1) * c - sq) / a0;
  return b;
}

}  // namespace dsp
