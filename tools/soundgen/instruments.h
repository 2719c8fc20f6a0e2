#pragma once
// The tone and drum voices the music is played on.
#include <cstdint>

#include "tools/soundgen/dsp.h"

namespace instruments {

// A subtractive voice: two detuned oscillators through an enveloped filter.
struct Patch {
  dsp::Wave wave;
  dsp::Wave wave2;     // second oscillator
  double detuneCents;  // of the second oscillator
  double mix2;         // its level, 0..1
  double octave2;      // its octave offset
  double pulseWidth;
  double cutoffHz;     // filter base
  double envCutoffHz;  // added by the filter envelope at its peak
  double filterDecay;  // seconds
  double resonance;
  dsp::Adsr amp;
  double vibratoCents;  // delayed vibrato depth
  double gain;
  int gmProgram;  // General MIDI program for the MIDI versions
};

enum class PatchId : uint8_t {
  SawLead,
  SquareLead,
  SoftLead,
  Pluck,
  Pad,
  Strings,
  SawBass,
  SubBass,
  Bell,
  Brass,
  Organ,
  Count
};
const Patch& patch(PatchId id);

// Adds one note (stereo, interleaved) into `out` starting at frame `start`.
void renderNote(const Patch& p, double midiNote, double heldSeconds, double velocity, double pan,
                dsp::Buffer& out, size_t start);

enum class Drum : uint8_t {
  Kick,
  Snare,
  ClosedHat,
  OpenHat,
  Clap,
  Crash,
  LowTom,
  HighTom,
  Shaker,
  Count
};
// A mono one-shot, rendered once per seed and reused.
dsp::Buffer renderDrum(Drum drum, uint32_t seed);
int gmDrumNote(Drum drum);
double drumPan(Drum drum);

}  // namespace instruments
