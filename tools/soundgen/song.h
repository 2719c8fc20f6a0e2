#pragma once
// How a piece of music is written down: sections of bars, each naming its chords, its drum
// pattern and the phrases its parts play. Phrases are strings with one token per sixteenth.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/soundgen/instruments.h"

namespace music {

enum class Scale : uint8_t { Major, Minor, Dorian, Mixolydian, HarmonicMinor };

// One drum bar (or two): a line per drum, 'x' a full hit, 'o' a soft one, '.' nothing.
struct DrumLine {
  instruments::Drum drum;
  const char* hits;
};
struct DrumPattern {
  const char* name;
  std::vector<DrumLine> lines;
};

// A part of the band. Phrase tokens:
//   melodic parts: '1'..'7' scale degree (prefix '+' an octave up, '_' down, suffix '#'/'b'
//     a semitone), '-' hold, '.' rest;
//   bass: 'R' chord root, '3', '5', '7', '8' (octave), 'r' root an octave down;
//   arpeggio: '0'..'3' chord tones from the root up, '4'..'6' the same an octave higher.
enum class Role : uint8_t { Lead, Counter, Bass, Arp, Pad };
struct Part {
  Role role;
  instruments::PatchId patch;
  int octave;    // MIDI note of the tonic in this part's register (the bass keeps its roots
                 // within the octave above it)
  double level;  // linear, on top of the patch gain
  double pan;    // -1 left .. 1 right
  double send;   // to the delay and reverb
};

struct Section {
  const char* name;
  int bars;
  const char* chords;  // scale degree per bar ('1'..'7', "4m" style suffix not needed: diatonic)
  const char* drums;   // pattern name, "" for none
  const char* bass;    // "" for none
  const char* lead;
  const char* counter;
  const char* arp;
  bool pad;
  bool crashOnFirstBeat;
};

struct Song {
  std::string file;   // name under resources/
  std::string title;  // its character, printed in the generator's report
  double bpm;
  Scale scale;
  double swing;             // 0 straight .. 0.3 heavy, delays the off sixteenths
  std::vector<Part> parts;  // index by Role order: one part per role at most
  std::vector<DrumPattern> drumPatterns;
  std::vector<Section> sections;
  std::vector<int> intro;  // section indexes played once at the start
  std::vector<int> body;   // repeated until the piece is long enough
  std::vector<int> outro;  // played once before the final chord
  double minSeconds;       // the whole piece, final chord included, lasts at least this
  uint32_t seed;
  double loudnessDb;  // mastering target
};

const std::vector<Song>& songs();

}  // namespace music
