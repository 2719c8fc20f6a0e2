// The MIDI tracks are well-formed standard MIDI files that use only instruments the
// fallback patch set has.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "shell/audio.h"
#include "tests/assets/sounds_files.h"

namespace {

struct MidiSummary {
  bool valid = false;
  std::string error;
  int tracks = 0;
  int notes = 0;
  std::set<int> programs;  // melodic channels
  std::set<int> drumKeys;  // channel 10
  double seconds = 0;
};

uint32_t be(const std::vector<unsigned char>& b, size_t at, int n) {
  uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = (v << 8) | b[at + static_cast<size_t>(i)];
  return v;
}

// Walks every event of every track; fails on anything a player would choke on.
MidiSummary readMidi(const std::vector<unsigned char>& b) {
  MidiSummary s;
  auto fail = [&](const std::string& why) {
    s.error = why;
    return s;
  };
  if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd" || be(b, 4, 4) != 6)
    return fail("header");
  int declared = static_cast<int>(be(b, 10, 2));
  int division = static_cast<int>(be(b, 12, 2));
  if (be(b, 8, 2) != 1 || division <= 0 || division >= 0x8000) return fail("format or division");
  double microsPerQuarter = 500000;
  long lastTick = 0;
  size_t at = 14;
  while (at + 8 <= b.size()) {
    if (std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4) !=
        "MTrk")
      return fail("chunk id");
    size_t end = at + 8 + be(b, at + 4, 4);
    if (end > b.size()) return fail("track runs past the file");
    size_t p = at + 8;
    long tick = 0;
    bool ended = false;
    while (p < end && !ended) {
      uint32_t delta = 0;
      do {
        if (p >= end) return fail("delta");
        delta = (delta << 7) | (b[p] & 0x7F);
      } while (b[p++] & 0x80);
      tick += delta;
      if (p >= end) return fail("event");
      uint8_t status = b[p++];
      if (status == 0xFF) {
        if (p + 2 > end) return fail("meta");
        uint8_t type = b[p];
        size_t len = b[p + 1];
        if (type == 0x51 && len == 3) microsPerQuarter = be(b, p + 2, 3);
        if (type == 0x2F) ended = true;
        p += 2 + len;
      } else if (status >= 0x80 && status < 0xF0) {
        int kind = status >> 4, ch = status & 15;
        size_t len = (kind == 0xC || kind == 0xD) ? 1 : 2;
        if (p + len > end) return fail("channel event");
        if (b[p] > 127 || (len == 2 && b[p + 1] > 127)) return fail("data byte");
        if (kind == 0xC) s.programs.insert(b[p]);
        if (kind == 0x9 && b[p + 1] > 0) {
          ++s.notes;
          if (ch == 9) s.drumKeys.insert(b[p]);
        }
        p += len;
      } else {
        return fail("running status or system event");
      }
    }
    if (!ended || p != end) return fail("track without a proper end");
    lastTick = std::max(lastTick, tick);
    ++s.tracks;
    at = end;
  }
  if (at != b.size() || s.tracks != declared) return fail("track count");
  s.seconds = static_cast<double>(lastTick) / division * microsPerQuarter / 1e6;
  s.valid = true;
  return s;
}

// Programs and drum keys the fallback patch set's configuration defines.
void readPatchSet(std::set<int>& programs, std::set<int>& drums) {
  std::ifstream cfg("/etc/timidity/freepats.cfg");
  std::string line;
  std::set<int>* into = nullptr;
  while (std::getline(cfg, line)) {
    std::istringstream words(line);
    std::string first;
    if (!(words >> first)) continue;
    if (first == "bank")
      into = &programs;
    else if (first == "drumset")
      into = &drums;
    else if (into && std::isdigit(static_cast<unsigned char>(first[0])))
      into->insert(std::stoi(first));
  }
}

TEST(MidiTracks, AreWellFormedAndLastLikeTheOtherPieces) {
  for (int t = 12; t <= 15; ++t) {
    SCOPED_TRACE(MusicTrackFiles[t]);
    MidiSummary s = readMidi(sounds::readFile(sounds::resourcesDir() + "/" + MusicTrackFiles[t]));
    ASSERT_TRUE(s.valid) << s.error;
    EXPECT_GE(s.tracks, 3);
    EXPECT_GT(s.notes, 100);
    EXPECT_FALSE(s.drumKeys.empty());
    EXPECT_GE(s.seconds, 60.0);
    EXPECT_LE(s.seconds, 240.0);
  }
}

TEST(MidiTracks, UseOnlyInstrumentsThePatchSetHas) {
  std::set<int> programs, drums;
  readPatchSet(programs, drums);
  if (programs.empty()) GTEST_SKIP() << "freepats is not installed";
  for (int t = 12; t <= 15; ++t) {
    SCOPED_TRACE(MusicTrackFiles[t]);
    MidiSummary s = readMidi(sounds::readFile(sounds::resourcesDir() + "/" + MusicTrackFiles[t]));
    ASSERT_TRUE(s.valid) << s.error;
    for (int p : s.programs) EXPECT_TRUE(programs.count(p)) << "program " << p << " has no patch";
    for (int k : s.drumKeys) EXPECT_TRUE(drums.count(k)) << "drum key " << k << " has no patch";
  }
}

}  // namespace
