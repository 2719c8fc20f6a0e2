#include "tools/soundgen/score.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <stdexcept>

namespace music {
namespace {
constexpr int StepsPerBar = 16;

const std::array<int, 7>& scaleSteps(Scale s) {
  static const std::array<int, 7> Major = {0, 2, 4, 5, 7, 9, 11};
  static const std::array<int, 7> Minor = {0, 2, 3, 5, 7, 8, 10};
  static const std::array<int, 7> Dorian = {0, 2, 3, 5, 7, 9, 10};
  static const std::array<int, 7> Mixolydian = {0, 2, 4, 5, 7, 9, 10};
  static const std::array<int, 7> HarmonicMinor = {0, 2, 3, 5, 7, 8, 11};
  switch (s) {
    case Scale::Major:
      return Major;
    case Scale::Minor:
      return Minor;
    case Scale::Dorian:
      return Dorian;
    case Scale::Mixolydian:
      return Mixolydian;
    case Scale::HarmonicMinor:
      return HarmonicMinor;
  }
  return Major;
}

// Semitones above the tonic of scale degree `degree` (0-based, may exceed 6).
int degreeOffset(Scale s, int degree) {
  int octave = degree >= 0 ? degree / 7 : -((-degree + 6) / 7);
  int d = degree - octave * 7;
  return octave * 12 + scaleSteps(s)[static_cast<size_t>(d)];
}

std::vector<std::string> tokens(const char* text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  std::string t;
  while (in >> t) {
    if (t != "|") out.push_back(t);
  }
  return out;
}

// The diatonic chord on a degree: root, third, fifth, octave, as semitones above the tonic.
std::array<int, 4> chordTones(Scale s, int degree) {
  return {degreeOffset(s, degree), degreeOffset(s, degree + 2), degreeOffset(s, degree + 4),
          degreeOffset(s, degree + 7)};
}

struct Writer {
  const Song& song;
  Score& score;

  int partIndex(Role role) const {
    for (size_t i = 0; i < song.parts.size(); ++i) {
      if (song.parts[i].role == role) return static_cast<int>(i);
    }
    return -1;
  }

  // Reads a phrase, calling `pitchOf(token, step)` for each sounding token; holds extend.
  template <typename PitchOf>
  void phrase(const char* text, int part, int start, int steps, double velocity, PitchOf pitchOf) {
    if (!text || !*text || part < 0) return;
    auto list = tokens(text);
    if (list.empty()) return;
    if (list.size() % 16 != 0)
      throw std::runtime_error(std::string("phrase is not whole bars: ") + text);
    size_t open = SIZE_MAX;  // the note a '-' lengthens
    for (int i = 0; i < steps; ++i) {
      const std::string& t = list[static_cast<size_t>(i) % list.size()];
      if (t == "-") {
        if (open != SIZE_MAX) ++score.notes[open].length;
        continue;
      }
      open = SIZE_MAX;
      if (t == ".") continue;
      int pitch = pitchOf(t, start + i);
      double accent = (i % 4 == 0) ? 1.0 : 0.85;
      score.notes.push_back({start + i, 1, pitch, velocity * accent, part});
      open = score.notes.size() - 1;
    }
  }

  int chordDegreeAt(const Section& sec, int barInSection) const {
    auto list = tokens(sec.chords);
    if (list.empty()) return 0;
    return std::atoi(list[static_cast<size_t>(barInSection) % list.size()].c_str()) - 1;
  }

  int melodic(const std::string& t, int octaveBase) const {
    size_t i = 0;
    int octave = 0;
    while (i < t.size() && (t[i] == '+' || t[i] == '_')) octave += t[i++] == '+' ? 1 : -1;
    if (i >= t.size() || t[i] < '1' || t[i] > '7') throw std::runtime_error("bad note token " + t);
    int degree = t[i++] - '1';
    int shift = 0;
    for (; i < t.size(); ++i) shift += t[i] == '#' ? 1 : t[i] == 'b' ? -1 : 0;
    return octaveBase + octave * 12 + degreeOffset(song.scale, degree) + shift;
  }

  void section(const Section& sec, int start) {
    int steps = sec.bars * StepsPerBar;
    auto chordAt = [&](int step) { return chordDegreeAt(sec, (step - start) / StepsPerBar); };
    int lead = partIndex(Role::Lead), counter = partIndex(Role::Counter);
    int bass = partIndex(Role::Bass), arp = partIndex(Role::Arp), pad = partIndex(Role::Pad);
    auto melodyPitch = [&](int part) {
      return [this, part](const std::string& t, int) {
        return melodic(t, song.parts[static_cast<size_t>(part)].octave);
      };
    };
    if (lead >= 0) phrase(sec.lead, lead, start, steps, 0.9, melodyPitch(lead));
    if (counter >= 0) phrase(sec.counter, counter, start, steps, 0.8, melodyPitch(counter));
    if (bass >= 0) {
      int base = song.parts[static_cast<size_t>(bass)].octave;
      phrase(sec.bass, bass, start, steps, 0.95, [&](const std::string& t, int step) {
        int degree = chordAt(step);
        auto tones = chordTones(song.scale, degree);
        int root = base + tones[0] % 12;  // the bass stays within one octave above `base`
        switch (t[0]) {
          case 'R':
            return root;
          case 'r':
            return root - 12;
          case '3':
            return root + tones[1] - tones[0];
          case '5':
            return root + tones[2] - tones[0];
          case '7':
            return root + degreeOffset(song.scale, degree + 6) - tones[0];
          case '8':
            return root + 12;
          default:
            throw std::runtime_error("bad bass token " + t);
        }
      });
    }
    if (arp >= 0) {
      int base = song.parts[static_cast<size_t>(arp)].octave;
      phrase(sec.arp, arp, start, steps, 0.7, [&](const std::string& t, int step) {
        auto tones = chordTones(song.scale, chordAt(step));
        int index = t[0] - '0';
        if (index < 0 || index > 6) throw std::runtime_error("bad arpeggio token " + t);
        return base + tones[static_cast<size_t>(index % 4)] + (index >= 4 ? 12 : 0);
      });
    }
    if (pad >= 0 && sec.pad) {
      int base = song.parts[static_cast<size_t>(pad)].octave;
      for (int bar = 0; bar < sec.bars; ++bar) {
        auto tones = chordTones(song.scale, chordDegreeAt(sec, bar));
        for (int k = 0; k < 3; ++k) {
          score.notes.push_back({start + bar * StepsPerBar, StepsPerBar,
                                 base + tones[static_cast<size_t>(k)], 0.7, pad});
        }
      }
    }
    drums(sec, start, steps);
  }

  void drums(const Section& sec, int start, int steps) {
    if (sec.crashOnFirstBeat) score.hits.push_back({start, instruments::Drum::Crash, 0.9});
    if (!sec.drums || !*sec.drums) return;
    const DrumPattern* pattern = nullptr;
    for (const DrumPattern& p : song.drumPatterns) {
      if (std::strcmp(p.name, sec.drums) == 0) pattern = &p;
    }
    if (!pattern) throw std::runtime_error(std::string("no drum pattern ") + sec.drums);
    for (const DrumLine& line : pattern->lines) {
      int len = static_cast<int>(std::strlen(line.hits));
      for (int i = 0; i < steps && len > 0; ++i) {
        char c = line.hits[i % len];
        if (c == 'x' || c == 'o')
          score.hits.push_back({start + i, line.drum, c == 'x' ? 1.0 : 0.55});
      }
    }
  }

  int sectionSteps(int index) const {
    return song.sections[static_cast<size_t>(index)].bars * StepsPerBar;
  }

  void finalChord(int start) {
    const int hold = 2 * StepsPerBar;
    score.finalChordSteps = hold;
    auto tones = chordTones(song.scale, 0);
    for (size_t i = 0; i < song.parts.size(); ++i) {
      const Part& p = song.parts[i];
      int part = static_cast<int>(i);
      switch (p.role) {
        case Role::Bass:
          score.notes.push_back({start, hold, p.octave, 0.95, part});
          break;
        case Role::Pad:
          for (int k = 0; k < 3; ++k)
            score.notes.push_back(
                {start, hold, p.octave + tones[static_cast<size_t>(k)], 0.8, part});
          break;
        case Role::Lead:
          score.notes.push_back({start, hold, p.octave + 12, 0.85, part});
          break;
        default:
          break;
      }
    }
    score.hits.push_back({start, instruments::Drum::Crash, 1.0});
    score.hits.push_back({start, instruments::Drum::Kick, 1.0});
  }
};
}  // namespace

double Score::seconds(int step) const { return (step + ((step & 1) ? swing : 0.0)) * stepSeconds; }

Score compose(const Song& song) {
  Score score;
  score.stepSeconds = 60.0 / song.bpm / 4.0;
  score.swing = song.swing;
  Writer w{song, score};
  int step = 0;
  auto play = [&](int index) {
    w.section(song.sections[static_cast<size_t>(index)], step);
    step += w.sectionSteps(index);
  };
  int outroSteps = 0;
  for (int i : song.outro) outroSteps += w.sectionSteps(i);
  const int finalSteps = 2 * StepsPerBar;
  auto totalSeconds = [&](int bodyEnd) {
    return (bodyEnd + outroSteps + finalSteps) * score.stepSeconds + TailSeconds;
  };
  for (int i : song.intro) play(i);
  if (song.body.empty()) throw std::runtime_error("song without a body: " + song.file);
  do {
    for (int i : song.body) {
      if (totalSeconds(step) >= song.minSeconds) break;
      play(i);
    }
  } while (totalSeconds(step) < song.minSeconds);
  for (int i : song.outro) play(i);
  score.steps = step;
  w.finalChord(step);
  return score;
}

}  // namespace music
