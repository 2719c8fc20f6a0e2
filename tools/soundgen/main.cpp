// Writes the game's sound effects and music into a folder:
//   bravin-soundgen OUTDIR [FILE...]
// With file names, only those files are written (the tests use this).
//   bravin-soundgen --measure FILE...
// reads sound files back and prints their length, peak and loudness.
#include <chrono>
#include <cstdio>
#include <set>
#include <stdexcept>
#include <string>

#include "tools/soundgen/effects.h"
#include "tools/soundgen/encoders.h"
#include "tools/soundgen/measure.h"
#include "tools/soundgen/midi_file.h"
#include "tools/soundgen/mixdown.h"
#include "tools/soundgen/score.h"

namespace {
bool endsWith(const std::string& s, const char* tail) {
  std::string t(tail);
  return s.size() >= t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}

// A stable stream serial per file name (FNV-1a), so the OGG bytes never vary.
uint32_t serialFor(const std::string& name) {
  uint32_t h = 2166136261u;
  for (char c : name) h = (h ^ static_cast<uint8_t>(c)) * 16777619u;
  return h & 0x7FFFFFFF;
}

void report(const std::string& name, const mastering::Audio& a) {
  std::printf("%-20s %7.2f s  loudness %6.1f dB  peak %6.2f dBFS\n", name.c_str(), a.seconds(),
              mastering::loudnessDb(a), mastering::peakDb(a));
}

bool writeEffect(const effects::Recipe& r, const std::string& dir, const std::string& name) {
  mastering::Audio audio = effects::render(r);
  std::printf("%-20s %7.2f s  short-term %6.1f dB  peak %6.2f dBFS  %s\n", name.c_str(),
              audio.seconds(), mastering::shortTermPeakLoudnessDb(audio), mastering::peakDb(audio),
              r.name);
  return encoders::writeAiff(dir + "/" + name, audio);
}

bool writeSong(const music::Song& song, const std::string& dir) {
  music::Score score = music::compose(song);
  std::string path = dir + "/" + song.file;
  if (endsWith(song.file, ".mid")) {
    std::printf("%-20s %7.2f s  (General MIDI)\n", song.file.c_str(),
                score.seconds(score.steps + score.finalChordSteps) + music::TailSeconds);
    return music::writeMidiFile(path, song, score);
  }
  mastering::Audio audio = music::mixdown(song, score);
  report(song.file, audio);
  std::printf("%-20s %s, %.0f bpm\n", "", song.title.c_str(), song.bpm);
  if (endsWith(song.file, ".ogg")) return encoders::writeOgg(path, audio, serialFor(song.file));
  return encoders::writeMp3(path, audio);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTDIR [FILE...]\n", argv[0]);
    return 2;
  }
  if (std::string(argv[1]) == "--measure") return measure::printMeasurements(argc - 2, argv + 2);
  const std::string dir = argv[1];
  std::set<std::string> only(argv + 2, argv + argc);
  auto wanted = [&](const std::string& name) { return only.empty() || only.count(name) > 0; };
  auto begin = std::chrono::steady_clock::now();
  bool ok = true;
  for (const effects::Recipe& r : effects::recipes()) {
    std::string name = "s" + std::to_string(1000 + r.number) + ".aif";
    if (wanted(name)) ok = writeEffect(r, dir, name) && ok;
  }
  for (const music::Song& song : music::songs()) {
    if (!wanted(song.file)) continue;
    try {
      ok = writeSong(song, dir) && ok;
    } catch (const std::exception& e) {  // a mistake in the written-out music
      std::fprintf(stderr, "soundgen: %s: %s\n", song.file.c_str(), e.what());
      ok = false;
    }
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  std::printf("soundgen: %s in %.1f s\n", ok ? "done" : "FAILED", seconds);
  return ok ? 0 : 1;
}
