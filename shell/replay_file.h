#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "shell/audio.h"
#include "shell/preferences.h"
#include "shell/replay_recorder.h"

// The replay file (docs/replay.md): a versioned header with what decides the run besides
// the answers, the frames, and a trailer with the digests and a checksum of it all.
constexpr uint16_t ReplayFormatVersion = 1;
constexpr int32_t ReplayVersionBytes = 16;
extern const char GameVersion[];  // the version this build is, as the project gives it

struct ReplayFacts {
  char gameVersion[ReplayVersionBytes] = {};  // NUL-padded
  int64_t recordedAt = 0;                     // Unix time
  uint64_t stageDigest = 0;                   // of the stage data in use
  uint8_t preferences[PreferencesSize] = {};  // the image start-up left
  // The sound effects that loaded (bit e: effect e) and how long each keeps its channel:
  // which effects start and which are dropped decides what the audio log holds.
  uint32_t effectsLoaded = 0;
  uint32_t effectMs[EffectCount] = {};
};

struct Replay {
  ReplayFacts facts;
  int32_t digestEvery = 0;
  std::vector<uint8_t> frames;  // the frame groups, entry first
  int32_t frameCount = 0;       // frames after the entry
  bool cutShort = false;
  std::vector<uint64_t> digests;  // after frames K-1, 2K-1, ... (K = digestEvery)
  uint64_t finalDigest = 0;       // after the last frame
  int32_t finalScore = 0;
};

enum class ReplayProblem { None, NotAReplay, Damaged, OtherFormat, OtherVersion };

// The replay file of the recording up to the mark.
std::vector<uint8_t> encodeReplay(const ReplayFacts& facts, const ReplayRecorder& recorder,
                                  const ReplayMark& mark);
// Reads a replay file whole, checking every part of it, the frames item by item. On a
// problem, why says what it is in a few words.
ReplayProblem parseReplay(const uint8_t* bytes, size_t n, Replay& replay, std::string& why);
// The frame groups hold these many frames (the entry included), every item well formed.
bool framesReadable(const uint8_t* bytes, size_t n, int64_t frames);
// The game version as a replay stores it.
void setGameVersion(char (&version)[ReplayVersionBytes]);
