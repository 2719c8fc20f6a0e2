// The music, written out. Each piece: tempo, key, band, drum patterns, sections and the
// order they are played in. Phrases have one token per sixteenth, sixteen to a bar
// (see song.h for the tokens); '|' only separates bars for the reader.
#include "shell/music_tracks.h"
#include "tools/soundgen/song.h"

namespace music {
namespace {
// The music reads best laid out by hand, a part or a bar to a line.
// clang-format off
using D = instruments::Drum;
using P = instruments::PatchId;

// Drum patterns shared by several pieces.
DrumPattern rock() {
  return {"rock", {{D::Kick, "x.......x.x....."}, {D::Snare, "....x.......x..."}, {D::ClosedHat, "x.o.x.o.x.o.x.o."}}};
}
DrumPattern four() {
  return {"four", {{D::Kick, "x...x...x...x..."}, {D::Snare, "....x.......x..."}, {D::ClosedHat, "o.x.o.x.o.x.o.x."}, {D::OpenHat, "..............x."}}};
}
DrumPattern fill() {
  return {"fill", {{D::Kick, "x...x...x.x.x..."}, {D::Snare, "....x...oxoxxxxx"}, {D::ClosedHat, "x.x.x.x........."}}};
}
DrumPattern half() {
  return {"half", {{D::Kick, "x.........x....."}, {D::Snare, "........x......."}, {D::ClosedHat, "x.o.x.o.x.o.x.oo"}}};
}
DrumPattern pulse() { return {"pulse", {{D::Kick, "x...x...x...x..."}}}; }

Song breakingNow() {
  Song s{MusicTrackFiles[1], "first stage: bright, driving synth rock", 138, Scale::Major, 0.0, {}, {}, {}, {}, {}, {}, 135, 101, -15};
  s.parts = {{Role::Lead, P::SawLead, 74, 0.9, 0.1, 0.35},
             {Role::Counter, P::SquareLead, 62, 0.6, -0.35, 0.2},
             {Role::Bass, P::SawBass, 38, 0.9, 0.0, 0.0},
             {Role::Arp, P::Pluck, 62, 0.55, 0.4, 0.3},
             {Role::Pad, P::Pad, 50, 0.8, 0.0, 0.5}};
  s.drumPatterns = {rock(), four(), fill(), half()};
  const char* verse =
      "5 - 3 - 1 - 3 - 5 - 6 - 5 - 3 - | 2 - - - 1 - _7 - _5 - - - . . . . | "
      "6 - 5 - 6 - +1 - 6 - 5 - 3 - - - | 4 - 3 - 4 - 6 - 5 - - - - - . .";
  const char* chorus =
      "+1 - - 6 - - 5 - +1 - - 6 - - 5 - | 5 - - 2 - - 5 - 7 - 6 - 5 - 2 - | "
      "6 - - 3 - - 6 - +1 - 7 - 6 - 3 - | 4 - - - 5 - - - 6 - - - 5 - - -";
  const char* chorusHarmony =
      "3 - - - - - - - 1 - - - - - - - | 2 - - - - - - - _7 - - - - - - - | "
      "1 - - - - - - - 3 - - - - - - - | 1 - - - - - - - _6 - - - - - - -";
  const char* bass8 = "R . R R . R R . R . R R 5 . 8 .";
  const char* arp = "0 1 2 4 2 1 0 1 0 1 2 4 5 4 2 1";
  s.sections = {
      {"intro", 4, "1 5 6 4", "", "R - - - - - - - R - - - - - - -", "", "", arp, true, true},
      {"verse", 8, "1 5 6 4", "rock", bass8, verse, "", "", true, true},
      {"chorus", 8, "1 5 6 4", "four", bass8, chorus, chorusHarmony, arp, true, true},
      {"break", 4, "2 4 5 5", "half", "R - - - R - - - R - - - R - R -", "", "", arp, true, false},
      {"turn", 1, "5", "fill", bass8, "", "", "", false, false},
  };
  s.intro = {0};
  s.body = {1, 2, 3, 4};
  s.outro = {2};
  return s;
}

Song surfAvenue() {
  Song s{MusicTrackFiles[2], "second stage: breezy and swung", 124, Scale::Mixolydian, 0.14, {}, {}, {}, {}, {}, {}, 145, 202, -15};
  s.parts = {{Role::Lead, P::SquareLead, 67, 0.85, -0.1, 0.4},
             {Role::Bass, P::SubBass, 36, 1.0, 0.0, 0.0},
             {Role::Arp, P::Pluck, 55, 0.55, 0.45, 0.35},
             {Role::Pad, P::Strings, 55, 0.7, -0.2, 0.4}};
  s.drumPatterns = {{"surf", {{D::Kick, "x.....x...x....."}, {D::Snare, "....x.......x..o"}, {D::Shaker, "oxoxoxoxoxoxoxox"}, {D::OpenHat, "..............x."}}},
                    {"light", {{D::Kick, "x.........x....."}, {D::Shaker, "..x...x...x...x."}}},
                    fill()};
  const char* verse =
      "5 . 5 - 3 - 5 - . 6 5 - 3 - 1 - | 2 . 2 - 4 - 2 - . _7 - - 1 - - - | "
      "6 . 6 - +1 - 6 - . 5 4 - 6 - - - | 5 - - - 3 - 2 - 1 - - - . . . .";
  const char* chorus =
      "+1 - 6 - +1 - 6 - 5 - 6 - +1 - - - | +2 - +1 - 5 - - - 3 - 5 - - - . . | "
      "+2 - - +1 - - 7 - 6 - 7 - +2 - - - | +1 - - - - - - - . . 5 6 +1 - - -";
  const char* bass = "R - . R . . 5 - R - . R 8 . 5 .";
  const char* arp = "0 . 1 2 . 1 0 . 2 . 1 2 . 4 2 .";
  s.sections = {
      {"intro", 4, "1 7 4 1", "light", "R - - - - - - - 5 - - - - - - -", "", "", arp, true, false},
      {"verse", 8, "1 7 4 1", "surf", bass, verse, "", arp, false, true},
      {"chorus", 8, "4 1 7 1", "surf", bass, chorus, "", arp, true, true},
      {"drift", 4, "4 4 1 1", "light", "R - - - - - - - R - - - - - - -", "", "", arp, true, false},
      {"turn", 1, "5", "fill", bass, "", "", "", false, false},
  };
  s.intro = {0};
  s.body = {1, 2, 1, 2, 3, 4};
  s.outro = {2};
  return s;
}

Song tradingPlaces() {
  Song s{MusicTrackFiles[3], "third stage: secretive, half-time", 108, Scale::Dorian, 0.0, {}, {}, {}, {}, {}, {}, 135, 303, -15};
  s.parts = {{Role::Lead, P::SoftLead, 76, 0.8, 0.0, 0.5},
             {Role::Bass, P::SawBass, 33, 0.85, 0.0, 0.0},
             {Role::Arp, P::Bell, 64, 0.5, 0.35, 0.6},
             {Role::Pad, P::Pad, 52, 1.0, -0.1, 0.6}};
  s.drumPatterns = {half(), {"tick", {{D::ClosedHat, "x.o.o.o.x.o.o.o."}, {D::Shaker, "....x.......x..."}}},
                    {"halffill", {{D::Kick, "x.........x....."}, {D::Snare, "........x...xoxx"}, {D::ClosedHat, "x.o.x.o.x.o....."}}}};
  const char* first =
      "_5 - - - 1 - - - 2 - 3 - - - - - | 2 - 1 - _7 - - - 1 - - - - - - - | "
      "4 - - - 6 - - - 5 - 4 - 3 - - - | 2 - 3 - 4 - - - 6 - - - - - - -";
  const char* second =
      "+2 - - - +1 - 7 - - - 4 - - - - - | 7 - +1 - +2 - - - +4 - - - +2 - - - | "
      "+3 - - - +2 - +1 - 7 - - - 5 - - - | +1 - 7 - 5 - 3 - 5 - - - - - - -";
  const char* bass = "R - - - - - - R - - R - - - 5 -";
  const char* arp = "0 . 2 . 4 . 2 . 1 . 2 . 4 . 3 .";
  s.sections = {
      {"intro", 4, "1 1 4 4", "tick", "", "", "", arp, true, false},
      {"first", 8, "1 1 4 4", "half", bass, first, "", arp, true, true},
      {"second", 8, "7 7 3 3", "half", bass, second, "", arp, true, false},
      {"hush", 4, "1 1 7 7", "tick", "R - - - - - - - - - - - - - - -", "", "", arp, true, false},
      {"turn", 1, "4", "halffill", bass, "", "", "", true, false},
  };
  s.intro = {0};
  s.body = {1, 2, 3, 4};
  s.outro = {1};
  return s;
}

Song tvStarTonight() {
  Song s{MusicTrackFiles[4], "fourth stage: gritty and pounding", 148, Scale::HarmonicMinor, 0.0, {}, {}, {}, {}, {}, {}, 130, 404, -15};
  s.parts = {{Role::Lead, P::SawLead, 69, 0.85, 0.15, 0.3},
             {Role::Bass, P::SawBass, 33, 0.95, 0.0, 0.0},
             {Role::Arp, P::Brass, 57, 0.7, -0.3, 0.2},
             {Role::Pad, P::Strings, 57, 0.55, 0.0, 0.4}};
  s.drumPatterns = {rock(), four(), fill(),
                    {"stomp", {{D::Kick, "x..x..x...x..x.."}, {D::Clap, "....x.......x..."}, {D::ClosedHat, "xxoxxxoxxxoxxxox"}}}};
  const char* verse =
      "5 - 5 - 6 - 5 - 3 - - - 1 - 3 - | 6 - - - 5 - 3 - 1 - - - . . 3 - | "
      "4 - 4 - 6 - +1 - 7 - 6 - 4 - - - | 5 - - - 7 - - - +2 - - - 7 - 5 -";
  const char* chorus =
      "+1 - - - 7 - +1 - +2 - - - +1 - 6 - | 7 - - - 5 - 7 - +2 - - - +1 - 7 - | "
      "+1 - - - - - - - 5 - 6 - 7 - +1 - | +3 - - - +2 - +1 - 7 - - - 5 - - -";
  const char* bass = "R . R . R . R . R . R . 8 . 5 .";
  const char* stabs = "0 . . 2 . . 1 . . . 2 . 0 . . .";
  s.sections = {
      {"intro", 4, "1 1 6 5", "stomp", bass, "", "", "", false, true},
      {"verse", 8, "1 6 4 5", "rock", bass, verse, "", stabs, false, true},
      {"chorus", 8, "4 5 1 1", "four", bass, chorus, "", stabs, true, true},
      {"break", 4, "1 1 6 5", "stomp", bass, "", "", stabs, false, false},
      {"turn", 1, "5", "fill", bass, "", "", "", false, false},
  };
  s.intro = {0};
  s.body = {1, 2, 3, 4};
  s.outro = {2};
  return s;
}

Song popNews() {
  Song s{MusicTrackFiles[5], "bonus stage: bouncy organ", 132, Scale::Major, 0.2, {}, {}, {}, {}, {}, {}, 72, 505, -15};
  s.parts = {{Role::Lead, P::Organ, 65, 0.8, 0.0, 0.3},
             {Role::Counter, P::Bell, 77, 0.45, 0.4, 0.5},
             {Role::Bass, P::SubBass, 41, 1.0, 0.0, 0.0},
             {Role::Pad, P::Strings, 53, 0.5, -0.3, 0.4}};
  s.drumPatterns = {{"step", {{D::Kick, "x...x...x...x..."}, {D::Clap, "....x.......x..."}, {D::ClosedHat, "..x...x...x...x."}, {D::Shaker, "xoxoxoxoxoxoxoxo"}}},
                    fill()};
  const char* a =
      "1 - 3 - 5 - 3 - +1 - - - 5 - - - | 6 - 5 - 6 - +1 - 3 - - - - - . . | "
      "2 - 4 - 6 - 4 - 2 - - - 6 - 5 - | 5 - - - 7 - - - 5 - 4 - 3 - 2 -";
  const char* b =
      "4 - 6 - +1 - - - 6 - +1 - +2 - - - | +2 - - - 7 - 5 - 7 - - - - - . . | "
      "3 - 5 - 7 - 5 - +1 - 7 - 5 - 3 - | 6 - - - - - - - 5 - 4 - 3 - 2 -";
  const char* sparkle = ". . . . 5 . . . . . . . 3 . . . | . . . . 1 . . . . . . . 3 . . .";
  const char* walk = "R . 5 . 8 . 5 . R . 3 . 5 . 3 .";
  s.sections = {
      {"intro", 4, "1 6 2 5", "step", walk, "", sparkle, "", false, true},
      {"a", 8, "1 6 2 5", "step", walk, a, sparkle, "", true, true},
      {"b", 8, "4 5 3 6", "step", walk, b, sparkle, "", true, false},
      {"turn", 1, "5", "fill", walk, "", "", "", false, false},
  };
  s.intro = {0};
  s.body = {1, 2, 3};
  s.outro = {1};
  return s;
}

Song nowWeDance() {
  Song s{MusicTrackFiles[6], "bosses and closing parts: fast and urgent", 164, Scale::Minor, 0.0, {}, {}, {}, {}, {}, {}, 160, 606, -15};
  s.parts = {{Role::Lead, P::SawLead, 72, 0.85, 0.1, 0.3},
             {Role::Bass, P::SawBass, 36, 0.9, 0.0, 0.0},
             {Role::Arp, P::Pluck, 60, 0.5, -0.45, 0.3},
             {Role::Pad, P::Pad, 48, 0.7, 0.0, 0.5}};
  s.drumPatterns = {{"drive", {{D::Kick, "x...x...x...x..."}, {D::Snare, "....x.......x..."}, {D::ClosedHat, "xoxoxoxoxoxoxoxo"}, {D::OpenHat, "..x...x...x...x."}}},
                    {"pound", {{D::Kick, "x...x...x...x..."}, {D::LowTom, "..........x..x.."}, {D::HighTom, "...........x..x."}}},
                    pulse(), fill()};
  const char* a =
      "1 - - 1 - - 3 - 5 - - 3 - - 1 - | _6 - - _6 - - 1 - 3 - - 1 - - _6 - | "
      "_7 - - _7 - - 2 - 4 - - 2 - - 4 - | 5 - - - - - 4 - 3 - 2 - 1 - - -";
  const char* b =
      "+1 - - - 6 - - - 4 - 6 - +1 - +3 - | +3 - - - +1 - - - 6 - +1 - +3 - - - | "
      "+2 - - - 7 - - - +4 - - - +2 - - - | +2 - - - +1 - 7 - 5 - - - - - - -";
  const char* bass = "R R 8 R R R 8 R R R 8 R 5 R 8 R";
  const char* arp = "0 1 2 4 2 1 0 1 0 1 2 4 5 4 2 1";
  s.sections = {
      {"intro", 4, "1 6 7 1", "pound", "R - - - R - - - R - - - R - - -", "", "", arp, true, true},
      {"a", 8, "1 6 7 1", "drive", bass, a, "", arp, false, true},
      {"b", 8, "4 6 7 5", "drive", bass, b, "", arp, true, true},
      {"breakdown", 4, "6 6 7 7", "pulse", "R - - - - - - - R - - - - - - -", "", "", arp, true, false},
      {"turn", 1, "5", "fill", bass, "", "", "", false, false},
  };
  s.intro = {0};
  s.body = {1, 2, 3, 4};
  s.outro = {2};
  return s;
}

Song endlessRoad() {
  Song s{MusicTrackFiles[7], "intermission: calm", 92, Scale::Major, 0.0, {}, {}, {}, {}, {}, {}, 34, 707, -15};
  s.parts = {{Role::Lead, P::SoftLead, 70, 0.8, 0.0, 0.6},
             {Role::Bass, P::SubBass, 34, 0.9, 0.0, 0.0},
             {Role::Arp, P::Pluck, 58, 0.45, 0.35, 0.5},
             {Role::Pad, P::Pad, 46, 1.0, -0.2, 0.6}};
  s.drumPatterns = {{"soft", {{D::Kick, "x.......x......."}, {D::Shaker, "..x...x...x...x."}}}};
  const char* a =
      "3 - - - 2 - 1 - 2 - - - 3 - - - | 2 - - - - - - - _7 - 1 - 2 - - - | "
      "1 - - - _7 - _6 - 1 - - - 3 - - - | 4 - - - 3 - - - 2 - - - 1 - - -";
  const char* arp = "0 . 2 . 4 . 2 . 1 . 2 . 4 . 2 .";
  s.sections = {
      {"intro", 2, "1 4", "", "R - - - - - - - - - - - - - - -", "", "", arp, true, false},
      {"road", 4, "1 5 6 4", "soft", "R - - - - - - - 5 - - - - - - -", a, "", arp, true, false},
  };
  s.intro = {0};
  s.body = {1};
  s.outro = {};
  return s;
}

// Pieces for stage-sequence files.
Song chase(const char* file) {
  Song s{file, "fast chase", 150, Scale::Minor, 0.0, {}, {}, {}, {}, {}, {}, 90, 808, -15};
  s.parts = {{Role::Lead, P::SquareLead, 77, 0.85, 0.1, 0.3},
             {Role::Bass, P::SawBass, 41, 0.9, 0.0, 0.0},
             {Role::Arp, P::Pluck, 65, 0.5, -0.4, 0.3},
             {Role::Pad, P::Pad, 53, 0.7, 0.0, 0.5}};
  s.drumPatterns = {four(), fill()};
  const char* a =
      "1 - 5 - 1 - 5 - 3 - 1 - 5 - - - | 4 - 2 - _7 - 2 - 4 - - - 5 - 4 - | "
      "3 - 1 - _6 - 1 - 3 - - - 4 - 3 - | 2 - - - _7 - - - 2 - 4 - 5 - - -";
  const char* b =
      "+1 - - - 6 - - - 4 - 6 - +1 - - - | +2 - - - 7 - - - 5 - 7 - +2 - - - | "
      "+3 - - - +1 - - - 5 - - - +1 - - - | +1 - - - - - - - . . . . . . . .";
  const char* bass = "R . R 8 R . R 8 R . R 8 5 . 8 .";
  const char* arp = "0 2 4 2 0 2 4 2 1 2 4 2 1 2 4 6";
  s.sections = {
      {"a", 8, "1 7 6 7", "four", bass, a, "", arp, false, true},
      {"b", 8, "4 5 1 1", "four", bass, b, "", arp, true, true},
      {"turn", 1, "5", "fill", bass, "", "", "", false, false},
  };
  s.body = {0, 1, 2};
  s.outro = {0};
  return s;
}

Song sky(const char* file) {
  Song s{file, "open sky", 100, Scale::Major, 0.0, {}, {}, {}, {}, {}, {}, 90, 909, -15};
  s.parts = {{Role::Lead, P::SoftLead, 79, 0.8, 0.0, 0.5},
             {Role::Bass, P::SubBass, 36, 0.9, 0.0, 0.0},
             {Role::Arp, P::Pluck, 67, 0.45, 0.4, 0.4},
             {Role::Pad, P::Strings, 55, 0.8, -0.2, 0.5}};
  s.drumPatterns = {half(), {"soft", {{D::Kick, "x.......x......."}, {D::Shaker, "..x...x...x...x."}}}};
  const char* a =
      "5 - - - - - 3 - 5 - 6 - 5 - - - | 7 - - - 5 - - - 3 - - - - - - - | "
      "6 - - - +1 - - - 6 - 5 - 4 - - - | 5 - - - - - - - 2 - - - - - - -";
  const char* b =
      "+1 - - - 7 - 6 - 3 - - - 6 - - - | 4 - - - 6 - - - +1 - - - - - - - | "
      "+3 - - - +2 - - - +1 - - - 5 - - - | +2 - - - - - - - 7 - - - - - - -";
  const char* arp = "0 . 1 . 2 . 4 . 2 . 1 . 2 . 4 .";
  s.sections = {
      {"intro", 4, "1 3 4 5", "soft", "R - - - - - - - 5 - - - - - - -", "", "", arp, true, false},
      {"a", 8, "1 3 4 5", "soft", "R - - - - - - - 5 - - - R - - -", a, "", arp, true, false},
      {"b", 8, "6 4 1 5", "half", "R - - - - - R - 5 - - - R - - -", b, "", arp, true, true},
  };
  s.intro = {0};
  s.body = {1, 2};
  s.outro = {};
  return s;
}

Song groove(const char* file) {
  Song s{file, "slow funk", 116, Scale::Dorian, 0.18, {}, {}, {}, {}, {}, {}, 90, 1010, -15};
  s.parts = {{Role::Lead, P::Organ, 74, 0.75, 0.1, 0.3},
             {Role::Bass, P::SawBass, 38, 0.95, 0.0, 0.0},
             {Role::Arp, P::Pluck, 62, 0.5, -0.4, 0.3},
             {Role::Pad, P::Pad, 50, 0.5, 0.0, 0.4}};
  s.drumPatterns = {{"funk", {{D::Kick, "x..x......x..x.."}, {D::Snare, "....x..o.o..x..."}, {D::ClosedHat, "xxoxxxoxxxoxxxox"}}}, fill()};
  const char* a =
      "1 . 3 . 5 - 3 . 1 . . . _7 . 1 . | 6 . 4 . 6 - +1 . 6 . . . 4 . 3 . | "
      "5 . 3 . 5 - 6 . 5 . 3 . 1 . . . | 4 . 6 . +1 - 7 . 6 . . . . . . .";
  const char* b =
      "5 - - 3 . 5 . 7 - - - 5 . . . . | 6 - - 4 . 6 . +1 - - - 6 . . . . | "
      "7 - - 5 . 7 . +2 - - - 7 . . . . | +1 - - - - - - - 5 . 3 . 2 . _7 .";
  const char* bass = "R . . R . . 8 . . R . 5 . 7 8 .";
  const char* arp = ". . 2 . . 4 . . . . 2 . . 4 . .";
  s.sections = {
      {"a", 8, "1 4 1 4", "funk", bass, a, "", arp, false, true},
      {"b", 8, "3 4 5 1", "funk", bass, b, "", arp, true, false},
      {"turn", 1, "4", "fill", bass, "", "", "", false, false},
  };
  s.body = {0, 1, 2};
  s.outro = {0};
  return s;
}

Song march(const char* file) {
  Song s{file, "march", 120, Scale::HarmonicMinor, 0.0, {}, {}, {}, {}, {}, {}, 90, 1111, -15};
  s.parts = {{Role::Lead, P::Brass, 72, 0.85, 0.0, 0.3},
             {Role::Bass, P::SubBass, 36, 1.0, 0.0, 0.0},
             {Role::Pad, P::Strings, 48, 0.7, -0.2, 0.5}};
  s.drumPatterns = {{"march", {{D::Kick, "x.......x......."}, {D::Snare, "....x..o....x.oo"}, {D::LowTom, "..............x."}}},
                    {"roll", {{D::Snare, "x.oox.oox.ooxoxo"}, {D::Kick, "x...x...x...x..."}}}};
  const char* a =
      "1 - - 1 1 - - - 3 - - 3 3 - - - | 4 - - 4 6 - - - +1 - - - 6 - - - | "
      "5 - - 5 7 - - - +2 - - - 7 - 5 - | +1 - - - 5 - - - 3 - - - 1 - - -";
  const char* b =
      "+1 - - - - - +3 - +1 - - - 6 - - - | 6 - - - +1 - - - 4 - - - 6 - - - | "
      "7 - - - +2 - - - 5 - - - 7 - - - | +2 - - - - - - - 7 - - - 5 - - -";
  const char* bass = "R - - - 5 - - - R - - - 5 - - -";
  s.sections = {
      {"a", 8, "1 4 5 1", "march", bass, a, "", "", true, true},
      {"b", 8, "6 4 5 5", "march", bass, b, "", "", true, false},
      {"roll", 1, "5", "roll", bass, "", "", "", false, false},
  };
  s.body = {0, 1, 2};
  s.outro = {0};
  return s;
}

std::vector<Song> allSongs() {
  std::vector<Song> list = {breakingNow(), surfAvenue(), tradingPlaces(), tvStarTonight(), popNews(), nowWeDance(), endlessRoad(),
                            chase(MusicTrackFiles[8]), sky(MusicTrackFiles[9]), groove(MusicTrackFiles[10]), march(MusicTrackFiles[11]),
                            chase(MusicTrackFiles[12]), sky(MusicTrackFiles[13]), groove(MusicTrackFiles[14]), march(MusicTrackFiles[15])};
  return list;
}
// clang-format on
}  // namespace

const std::vector<Song>& songs() {
  static const std::vector<Song> list = allSongs();
  return list;
}

}  // namespace music
