#pragma once
// The 31 sound effects, each a recipe of a few synthesised layers and/or a short tune.
#include <string>
#include <vector>

#include "tools/soundgen/instruments.h"
#include "tools/soundgen/mastering.h"

namespace effects {

// One synthesised layer: an oscillator or noise, swept in pitch and filter, under a
// linear attack and exponential decay, optionally chopped into repeating pulses.
struct Layer {
  dsp::Wave wave;
  double startHz, endHz;  // pitch sweep (exponential); for noise the filter centre
  double sweepSeconds;
  double cutoffStart, cutoffEnd;  // low-pass sweep; 0 = open
  double resonance;
  double delay;                  // start, seconds
  double attack, decay;          // seconds; decay is the time constant of the fall
  double length;                 // seconds after which the layer is cut (faded)
  double wobbleHz, wobbleSemis;  // vibrato / siren
  double gatePeriod;             // seconds per on/off pulse, 0 = continuous
  double gain;
};

// A short tune on one of the music patches: MIDI note numbers, '.' rest, '-' hold.
struct Tune {
  instruments::PatchId patch;
  const char* notes;
  double stepSeconds;
  double gain;
};

struct Recipe {
  int number;        // effect number: file s<1000 + number>.aif
  const char* name;  // short name for the asset notes
  std::vector<Layer> layers;
  std::vector<Tune> tunes;  // played together
  double loudnessDb;        // loudness of the loudest 100 ms
  uint32_t seed;
  double maxSeconds = 0;  // cut (with a fade) after this long; 0 = when it has died away
};

const std::vector<Recipe>& recipes();
// Mono, mastered: balanced loudness, peaks at most -1.5 dBFS, faded ends.
mastering::Audio render(const Recipe& recipe);

}  // namespace effects
