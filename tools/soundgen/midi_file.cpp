#include "tools/soundgen/midi_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace music {
namespace {
constexpr int TicksPerQuarter = 480;
constexpr int TicksPerStep = TicksPerQuarter / 4;
constexpr int DrumChannel = 9;

struct Event {
  int tick;
  int order;  // note-offs before note-ons at the same tick
  std::vector<uint8_t> bytes;
};

void put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}
void putVarLen(std::vector<uint8_t>& out, uint32_t v) {
  uint8_t buf[5];
  int n = 0;
  buf[n++] = static_cast<uint8_t>(v & 0x7F);
  while (v >>= 7) buf[n++] = static_cast<uint8_t>((v & 0x7F) | 0x80);
  while (n--) out.push_back(buf[n]);
}

std::vector<uint8_t> trackChunk(std::vector<Event> events) {
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::vector<uint8_t> body;
  int last = 0;
  for (const Event& e : events) {
    putVarLen(body, static_cast<uint32_t>(e.tick - last));
    last = e.tick;
    body.insert(body.end(), e.bytes.begin(), e.bytes.end());
  }
  body.insert(body.end(), {0x00, 0xFF, 0x2F, 0x00});  // end of track
  std::vector<uint8_t> chunk = {'M', 'T', 'r', 'k'};
  put32(chunk, static_cast<uint32_t>(body.size()));
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

int tickOf(const Score& score, int step) {
  return step * TicksPerStep +
         ((step & 1) ? static_cast<int>(std::lround(score.swing * TicksPerStep)) : 0);
}
uint8_t velocityByte(double v) {
  return static_cast<uint8_t>(std::clamp(static_cast<int>(std::lround(v * 110.0)), 1, 127));
}
}  // namespace

std::vector<uint8_t> midiFileBytes(const Song& song, const Score& score) {
  std::vector<std::vector<Event>> tracks(1);
  // Tempo and metre.
  uint32_t microsPerQuarter = static_cast<uint32_t>(std::lround(60000000.0 / song.bpm));
  tracks[0].push_back(
      {0,
       0,
       {0xFF, 0x51, 0x03, static_cast<uint8_t>(microsPerQuarter >> 16),
        static_cast<uint8_t>(microsPerQuarter >> 8), static_cast<uint8_t>(microsPerQuarter)}});
  tracks[0].push_back({0, 0, {0xFF, 0x58, 0x04, 4, 2, 24, 8}});

  for (size_t p = 0; p < song.parts.size(); ++p) {
    const Part& part = song.parts[p];
    const uint8_t ch = static_cast<uint8_t>(p < DrumChannel ? p : p + 1);
    std::vector<Event> events;
    int program = instruments::patch(part.patch).gmProgram;
    int volume =
        std::clamp(static_cast<int>(std::lround(100.0 * std::min(1.0, part.level))), 30, 120);
    int pan = std::clamp(static_cast<int>(std::lround(64.0 + part.pan * 50.0)), 0, 127);
    events.push_back({0, 0, {static_cast<uint8_t>(0xC0 | ch), static_cast<uint8_t>(program)}});
    events.push_back({0, 0, {static_cast<uint8_t>(0xB0 | ch), 7, static_cast<uint8_t>(volume)}});
    events.push_back({0, 0, {static_cast<uint8_t>(0xB0 | ch), 10, static_cast<uint8_t>(pan)}});
    for (const Note& n : score.notes) {
      if (n.part != static_cast<int>(p)) continue;
      uint8_t key = static_cast<uint8_t>(std::clamp(n.pitch, 0, 127));
      int on = tickOf(score, n.step);
      int off = std::max(on + 1, tickOf(score, n.step + n.length) - 10);
      events.push_back({on, 1, {static_cast<uint8_t>(0x90 | ch), key, velocityByte(n.velocity)}});
      events.push_back({off, 0, {static_cast<uint8_t>(0x80 | ch), key, 0}});
    }
    tracks.push_back(std::move(events));
  }
  std::vector<Event> drums;
  for (const DrumHit& h : score.hits) {
    uint8_t key = static_cast<uint8_t>(instruments::gmDrumNote(h.drum));
    int on = tickOf(score, h.step);
    drums.push_back({on, 1, {0x90 | DrumChannel, key, velocityByte(h.velocity * 0.9)}});
    drums.push_back({on + TicksPerStep / 2, 0, {0x80 | DrumChannel, key, 0}});
  }
  tracks.push_back(std::move(drums));
  // Let the final chord ring for the tail before the file ends.
  int endTick = tickOf(score, score.steps + score.finalChordSteps) +
                static_cast<int>(TailSeconds * song.bpm / 60.0 * TicksPerQuarter);
  tracks[0].push_back({endTick, 0, {0xFF, 0x01, 0x00}});  // empty text event marks the end

  std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
  file.push_back(static_cast<uint8_t>(tracks.size() >> 8));
  file.push_back(static_cast<uint8_t>(tracks.size()));
  file.push_back(static_cast<uint8_t>(TicksPerQuarter >> 8));
  file.push_back(static_cast<uint8_t>(TicksPerQuarter & 0xFF));
  for (auto& t : tracks) {
    auto chunk = trackChunk(std::move(t));
    file.insert(file.end(), chunk.begin(), chunk.end());
  }
  return file;
}

bool writeMidiFile(const std::string& path, const Song& song, const Score& score) {
  auto bytes = midiFileBytes(song, score);
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) {
    std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
    return false;
  }
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  if (std::fclose(out) != 0) ok = false;
  return ok;
}

}  // namespace music
