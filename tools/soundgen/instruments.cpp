#include "tools/soundgen/instruments.h"

#include <algorithm>
#include <array>

namespace instruments {
using dsp::Wave;

namespace {
// clang-format off
// wave, wave2, detune, mix2, octave2, pw, cutoff, envCutoff, fDecay, res, {A, D, S, R}, vib, gain, GM
const std::array<Patch, static_cast<size_t>(PatchId::Count)> Patches = {{
    {Wave::Saw, Wave::Saw, 9, 0.8, 0, 0.5, 1400, 3200, 0.25, 0.30, {0.005, 0.30, 0.70, 0.12}, 14, 0.30, 84},     // SawLead
    {Wave::Square, Wave::Square, 6, 0.5, 1, 0.35, 1800, 2600, 0.18, 0.20, {0.004, 0.20, 0.65, 0.10}, 12, 0.26, 80}, // SquareLead
    {Wave::Triangle, Wave::Sine, 3, 0.6, 1, 0.5, 2400, 1200, 0.30, 0.10, {0.020, 0.40, 0.75, 0.20}, 10, 0.42, 73}, // SoftLead
    {Wave::Square, Wave::Saw, 5, 0.4, 0, 0.25, 700, 4200, 0.09, 0.35, {0.002, 0.16, 0.0, 0.08}, 0, 0.30, 4},      // Pluck
    {Wave::Saw, Wave::Saw, 14, 1.0, 0, 0.5, 900, 500, 1.20, 0.10, {0.50, 1.00, 0.80, 0.70}, 0, 0.11, 95},        // Pad
    {Wave::Saw, Wave::Square, 8, 0.6, 0, 0.5, 1600, 700, 0.60, 0.05, {0.12, 0.60, 0.85, 0.40}, 6, 0.12, 48},     // Strings
    {Wave::Saw, Wave::Square, 4, 0.5, -1, 0.5, 260, 1500, 0.12, 0.45, {0.003, 0.25, 0.55, 0.06}, 0, 0.42, 38},    // SawBass
    {Wave::Triangle, Wave::Square, 0, 0.25, 0, 0.5, 500, 300, 0.10, 0.05, {0.004, 0.30, 0.80, 0.07}, 0, 0.65, 33}, // SubBass
    {Wave::Sine, Wave::Sine, 0, 0.5, 2, 0.5, 6000, 0, 0.10, 0.0, {0.001, 0.60, 0.0, 0.50}, 0, 0.28, 9},         // Bell
    {Wave::Saw, Wave::Saw, 7, 0.9, 0, 0.5, 700, 2200, 0.35, 0.15, {0.040, 0.40, 0.75, 0.15}, 10, 0.24, 61},      // Brass
    {Wave::Sine, Wave::Sine, 0, 0.55, 1, 0.5, 5000, 0, 0.10, 0.0, {0.008, 0.20, 0.90, 0.06}, 0, 0.30, 16},       // Organ
}};
// clang-format on
}  // namespace

const Patch& patch(PatchId id) { return Patches[static_cast<size_t>(id)]; }

namespace {
constexpr size_t FadeFrames = 220;  // 5 ms
}  // namespace

void renderNote(const Patch& p, double midiNote, double heldSeconds, double velocity, double pan,
                dsp::Buffer& out, size_t start) {
  const double length = heldSeconds + p.amp.release * 5.0;
  const size_t frames = static_cast<size_t>(length * dsp::SampleRate);
  const double hz = dsp::midiToHz(midiNote);
  const double hz2 = hz * std::pow(2.0, p.octave2 + p.detuneCents / 1200.0);
  const double left = std::cos((pan + 1.0) * dsp::Pi / 4.0) * std::sqrt(2.0);
  const double right = std::sin((pan + 1.0) * dsp::Pi / 4.0) * std::sqrt(2.0);
  const double level = p.gain * velocity;
  const bool fm = p.wave == Wave::Sine && p.wave2 == Wave::Sine && p.octave2 >= 2;  // bell
  dsp::Oscillator a, b, lfo;
  dsp::Filter filter;
  // Start phases from the pitch so repeated notes sound alike but unison voices differ.
  a.phase = std::fmod(midiNote * 0.137, 1.0);
  b.phase = std::fmod(midiNote * 0.291, 1.0);
  for (size_t i = 0; i < frames && (start + i) * 2 + 1 < out.size(); ++i) {
    double t = static_cast<double>(i) / dsp::SampleRate;
    double env = p.amp.at(t, heldSeconds);
    if (i + FadeFrames > frames)
      env *= static_cast<double>(frames - i) / FadeFrames;  // no step at the cut
    double vib = 1.0;
    if (p.vibratoCents > 0 && t > 0.25) {
      double depth = std::min(1.0, (t - 0.25) * 3.0) * p.vibratoCents;
      vib = std::pow(2.0, depth * lfo.next(Wave::Sine, 5.5) / 1200.0);
    }
    double s;
    if (fm) {
      double mod = b.next(Wave::Sine, hz2 * vib) * 2.5 * std::exp(-t * 6.0);
      a.phase = std::fmod(a.phase + mod * 0.02 + 1.0, 1.0);
      s = a.next(Wave::Sine, hz * vib);
    } else {
      s = a.next(p.wave, hz * vib, p.pulseWidth) +
          p.mix2 * b.next(p.wave2, hz2 * vib, p.pulseWidth);
    }
    double cutoff = p.cutoffHz + p.envCutoffHz * velocity * std::exp(-t / p.filterDecay);
    s = filter.process(s, cutoff, p.resonance).low * env * level;
    float* o = &out[(start + i) * 2];
    o[0] += static_cast<float>(s * left);
    o[1] += static_cast<float>(s * right);
  }
}

dsp::Buffer renderDrum(Drum drum, uint32_t seed) {
  dsp::Noise noise(seed);
  dsp::Oscillator osc;
  dsp::Filter filter;
  dsp::OnePole hp;
  auto seconds = [](double s) { return static_cast<size_t>(s * dsp::SampleRate); };
  dsp::Buffer out;
  auto build = [&](double length, auto&& sample) {
    out.resize(seconds(length));
    for (size_t i = 0; i < out.size(); ++i)
      out[i] = static_cast<float>(sample(static_cast<double>(i) / dsp::SampleRate));
  };
  switch (drum) {
    case Drum::Kick:
      build(0.45, [&](double t) {
        double hz = 48.0 + 110.0 * std::exp(-t * 28.0);
        double click = noise.next() * std::exp(-t * 400.0) * 0.3;
        return (osc.next(Wave::Sine, hz) * std::exp(-t * 7.0) + click) * 0.9;
      });
      break;
    case Drum::Snare:
      build(0.30, [&](double t) {
        double tone = osc.next(Wave::Triangle, 185.0) * std::exp(-t * 25.0) * 2.0;
        double n = filter.process(noise.next(), 5200.0, 0.2).band * 1.8 * std::exp(-t * 14.0);
        return (tone + n) * 0.55;
      });
      break;
    case Drum::ClosedHat:
      build(0.08, [&](double t) {
        return hp.highpass(noise.next(), 7000.0) * std::exp(-t * 60.0) * 0.35;
      });
      break;
    case Drum::OpenHat:
      build(0.40, [&](double t) {
        return hp.highpass(noise.next(), 6500.0) * std::exp(-t * 8.0) * 0.28;
      });
      break;
    case Drum::Clap:
      build(0.30, [&](double t) {
        // Three quick bursts and a tail.
        double bursts = 0.0;
        for (double at : {0.0, 0.011, 0.022}) {
          if (t >= at) bursts += std::exp(-(t - at) * 180.0);
        }
        double env = bursts + 0.5 * std::exp(-t * 12.0) * (t > 0.025);
        return filter.process(noise.next(), 1400.0, 0.35).band * env * 0.9;
      });
      break;
    case Drum::Crash:
      build(1.80, [&](double t) {
        double n = hp.highpass(noise.next(), 4000.0);
        return n * (std::exp(-t * 2.2) * 0.6 + std::exp(-t * 30.0) * 0.3) * 0.4;
      });
      break;
    case Drum::LowTom:
    case Drum::HighTom: {
      double base = drum == Drum::LowTom ? 95.0 : 150.0;
      build(0.40, [&](double t) {
        double hz = base * (1.0 + 0.6 * std::exp(-t * 20.0));
        return (osc.next(Wave::Sine, hz) + noise.next() * 0.2 * std::exp(-t * 60.0)) *
               std::exp(-t * 9.0) * 0.7;
      });
      break;
    }
    case Drum::Shaker:
      build(0.09, [&](double t) {
        double env = std::min(1.0, t / 0.015) * std::exp(-t * 40.0);
        return filter.process(noise.next(), 8000.0, 0.3).band * env * 0.5;
      });
      break;
    case Drum::Count:
      break;
  }
  // Fade the last milliseconds so the one-shot ends on zero.
  size_t fade = std::min(out.size(), seconds(0.005));
  for (size_t i = 0; i < fade; ++i)
    out[out.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade);
  return out;
}

int gmDrumNote(Drum drum) {
  static constexpr int Notes[] = {36, 38, 42, 46, 39, 49, 45, 50, 70};
  return Notes[static_cast<size_t>(drum)];
}

double drumPan(Drum drum) {
  static constexpr double Pans[] = {0.0, 0.05, 0.3, 0.3, -0.1, -0.25, -0.3, 0.3, -0.35};
  return Pans[static_cast<size_t>(drum)];
}

}  // namespace instruments
