#pragma once
// A song spelled out as timed notes: what both the synthesiser and the MIDI writer play.
#include <vector>

#include "tools/soundgen/song.h"

namespace music {

struct Note {
  int step;         // start, in sixteenths from the beginning
  int length;       // in sixteenths
  int pitch;        // MIDI note
  double velocity;  // 0..1
  int part;         // index into Song::parts
};

struct DrumHit {
  int step;
  instruments::Drum drum;
  double velocity;
};

struct Score {
  std::vector<Note> notes;
  std::vector<DrumHit> hits;
  int steps = 0;            // where the final chord starts
  int finalChordSteps = 0;  // how long it is held
  double stepSeconds = 0;
  double swing = 0;
  double seconds(int step) const;  // start time of a step, swing included
};

// Spells out the arrangement: intro, body repeated to length, outro and a final chord.
Score compose(const Song& song);

// The tail (reverb, release) that follows the final chord, in seconds.
constexpr double TailSeconds = 2.5;

}  // namespace music
