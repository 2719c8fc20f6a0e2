#include "shell/replay_file.h"

#include <cstring>

#include "shell/fnv_hash.h"
#include "shell/replay_answers.h"
#include "shell/replay_coding.h"

#ifndef BRAVIN_VERSION
#define BRAVIN_VERSION "unknown"
#endif
const char GameVersion[] = BRAVIN_VERSION;

namespace {
constexpr uint8_t Magic[8] = {'B', 'R', 'A', 'V', 'I', 'N', 'R', 'P'};
constexpr size_t HeaderBytes =
    8 + 2 + ReplayVersionBytes + 8 + 8 + 4 + PreferencesSize + 4 + 4 * EffectCount + 4;
constexpr size_t FixedTrailerBytes = 4 + 1 + 4 + 8 + 4 + 8;  // with no digests

class Writer {
 public:
  std::vector<uint8_t> out;
  void raw(const void* p, size_t n) {
    auto* b = static_cast<const uint8_t*>(p);
    out.insert(out.end(), b, b + n);
  }
  void le(uint64_t v, int n) {
    for (int i = 0; i < n; ++i, v >>= 8) out.push_back(uint8_t(v));
  }
};

class Reader {
 public:
  const uint8_t* at;
  const uint8_t* end;
  bool ok = true;
  bool raw(void* p, size_t n) {
    if (!ok || size_t(end - at) < n) return ok = false;
    std::memcpy(p, at, n);
    at += n;
    return true;
  }
  uint64_t le(int n) {
    uint8_t b[8] = {};
    if (!raw(b, size_t(n))) return 0;
    uint64_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | b[i];
    return v;
  }
};

// The values an answer of each kind can take.
bool valueFits(uint8_t kind, uint32_t value) {
  switch (static_cast<Answer>(kind)) {
    case Answer::Direction: return value <= 8;
    case Answer::ButtonA:
    case Answer::ButtonB:
    case Answer::Start:
    case Answer::Escape:
    case Answer::KeyHeld: return value <= 1;
    case Answer::Tick:
    case Answer::ChannelClock: return true;
    case Answer::Date: return value == 0;
  }
  return false;
}

// One group's items up to its End; answers its frame count, 0 when it does not read.
uint32_t readGroup(ByteReader& r) {
  uint8_t kind = 0, previous = ReplayItem::End;
  uint32_t value = 0, dateField = 0;
  while (r.item(kind, value)) {
    if (kind == ReplayItem::End) return value;
    if (kind == ReplayItem::Repeat) {
      // Repeats follow an answer, and dates never repeat.
      bool after = previous != ReplayItem::End && previous != ReplayItem::Repeat &&
                   previous != uint8_t(Answer::Date);
      if (!after || value == 0) return 0;
    } else if (kind > ReplayItem::LastKind || !valueFits(kind, value)) {
      return 0;
    } else if (kind == uint8_t(Answer::Date)) {
      for (int i = 0; i < 3; ++i) {
        if (!r.varint(dateField)) return 0;
      }
    }
    previous = kind;
  }
  return 0;
}
}  // namespace

void setGameVersion(char (&version)[ReplayVersionBytes]) {
  std::memset(version, 0, sizeof version);
  std::strncpy(version, GameVersion, sizeof version - 1);
}

bool framesReadable(const uint8_t* bytes, size_t n, int64_t frames) {
  ByteReader r{bytes, bytes + n};
  int64_t held = 0;
  while (r.at < r.end && held <= frames) {
    uint32_t count = readGroup(r);
    if (count == 0) return false;
    held += count;
  }
  return !r.failed && r.at == r.end && held == frames;
}

std::vector<uint8_t> encodeReplay(const ReplayFacts& facts, const ReplayRecorder& recorder,
                                  const ReplayMark& mark) {
  uint8_t end[ReplayItem::LongestBytes];
  size_t endBytes = mark.groupCount > 0 ? putItem(end, ReplayItem::End, mark.groupCount) : 0;
  size_t frameBytes = mark.groupCount > 0 ? mark.groupEnd + endBytes : 0;
  Writer w;
  w.out.reserve(HeaderBytes + frameBytes + FixedTrailerBytes + 8 * size_t(mark.digests));
  w.raw(Magic, sizeof Magic);
  w.le(ReplayFormatVersion, 2);
  w.raw(facts.gameVersion, sizeof facts.gameVersion);
  w.le(uint64_t(facts.recordedAt), 8);
  w.le(facts.stageDigest, 8);
  w.le(uint32_t(ReplayRecorder::DigestEvery), 4);
  w.raw(facts.preferences, sizeof facts.preferences);
  w.le(facts.effectsLoaded, 4);
  for (uint32_t ms : facts.effectMs) w.le(ms, 4);
  w.le(frameBytes, 4);
  if (mark.groupCount > 0) {
    w.raw(recorder.bytes(), mark.groupEnd);
    w.raw(end, endBytes);
  }
  w.le(uint32_t(mark.frames), 4);
  w.le(mark.cutShort ? 1 : 0, 1);
  w.le(uint32_t(mark.digests), 4);
  for (int32_t i = 0; i < mark.digests; ++i) w.le(recorder.digests()[i], 8);
  w.le(mark.finalDigest, 8);
  w.le(uint32_t(mark.score), 4);
  w.le(fnvBytes(w.out.data(), w.out.size()), 8);
  return std::move(w.out);
}

ReplayProblem parseReplay(const uint8_t* bytes, size_t n, Replay& replay, std::string& why) {
  Reader r{bytes, bytes + n};
  uint8_t magic[sizeof Magic] = {};
  if (!r.raw(magic, sizeof magic) || std::memcmp(magic, Magic, sizeof Magic) != 0) {
    why = "not a replay";
    return ReplayProblem::NotAReplay;
  }
  uint64_t format = r.le(2);
  if (r.ok && format != ReplayFormatVersion) {
    why = "of replay format " + std::to_string(format) + ", this build reads format " +
          std::to_string(ReplayFormatVersion);
    return ReplayProblem::OtherFormat;
  }
  if (n < 8 || fnvBytes(bytes, n - 8) != Reader{bytes + n - 8, bytes + n}.le(8)) {
    why = "damaged: its checksum does not match";
    return ReplayProblem::Damaged;
  }
  ReplayFacts& f = replay.facts;
  r.raw(f.gameVersion, sizeof f.gameVersion);
  f.recordedAt = int64_t(r.le(8));
  f.stageDigest = r.le(8);
  replay.digestEvery = int32_t(r.le(4));
  r.raw(f.preferences, sizeof f.preferences);
  f.effectsLoaded = uint32_t(r.le(4));
  for (uint32_t& ms : f.effectMs) ms = uint32_t(r.le(4));
  size_t frameBytes = size_t(r.le(4));
  if (r.ok && frameBytes <= size_t(r.end - r.at)) {
    replay.frames.assign(r.at, r.at + frameBytes);
    r.at += frameBytes;
  } else {
    r.ok = false;
  }
  replay.frameCount = int32_t(r.le(4));
  uint64_t cut = r.le(1);
  uint64_t digests = r.le(4);
  replay.cutShort = cut == 1;
  bool countsFit = r.ok && cut <= 1 && replay.frameCount >= 0 && replay.digestEvery > 0 &&
                   digests == uint64_t(replay.frameCount / replay.digestEvery) &&
                   size_t(r.end - r.at) == 8 * digests + 8 + 4 + 8;
  if (countsFit) {
    replay.digests.resize(size_t(digests));
    for (uint64_t& d : replay.digests) d = r.le(8);
    replay.finalDigest = r.le(8);
    replay.finalScore = int32_t(r.le(4));
  }
  if (!countsFit ||
      !framesReadable(replay.frames.data(), replay.frames.size(), int64_t(replay.frameCount) + 1)) {
    why = "damaged: its parts do not fit together";
    return ReplayProblem::Damaged;
  }
  char ours[ReplayVersionBytes];
  setGameVersion(ours);
  if (std::memcmp(ours, f.gameVersion, sizeof ours) != 0) {
    std::string theirs(f.gameVersion, strnlen(f.gameVersion, sizeof f.gameVersion));
    for (char& c : theirs) {
      if (c < 0x20 || c > 0x7E) c = '?';  // the file's bytes never reach a terminal raw
    }
    why = "from version " + theirs + " of the game; this is version " + GameVersion;
    return ReplayProblem::OtherVersion;
  }
  return ReplayProblem::None;
}
