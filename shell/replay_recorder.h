#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "shell/calendar.h"
#include "shell/replay_answers.h"

// How a recording looks at the game: the digest kept every K-th frame and at the end,
// and the score the end is known by.
struct ReplayProbe {
  uint64_t (*digest)();
  int32_t (*score)();
};

// The recording up to the end of one frame, enough to write it later as a replay of its
// own: where the last frame group ends and how many frames it held then, the frames and
// stored digests up to there, and the state at that frame.
struct ReplayMark {
  size_t groupEnd = 0;      // offset of the last group's End item
  uint32_t groupCount = 0;  // its frame count at the mark; 0: nothing recorded
  int32_t frames = 0;       // frames after the entry
  int32_t digests = 0;      // stored digests
  uint64_t finalDigest = 0;
  int32_t score = 0;
  bool cutShort = false;
};

// Notes the answers of each frame into a buffer taken once, at construction: nothing is
// allocated while it records. Identical answers in a row become one item with a repeat,
// identical frames in a row one group with a count. When the buffer (or the room for
// digests) is full, the recording goes back to the last frame with a stored digest and
// stops there, cut short.
class ReplayRecorder {
 public:
  static constexpr int32_t DigestEvery = 600;

  ReplayRecorder(size_t capacity, int32_t maxDigests, ReplayProbe probe);

  void note(Answer kind, int32_t value);
  void noteDate(CalendarDate date);
  // Closes the frame whose answers were noted. The first call closes the entry: what the
  // game was asked before its first frame (start-up and the step into the title).
  void endFrame();
  // The recording up to the end of the last closed frame (the state is read now).
  ReplayMark mark() const;

  bool recording() const { return recording_; }
  bool cutShort() const { return cutShort_; }
  int32_t frames() const { return frames_; }
  size_t bytesUsed() const { return end_; }
  const uint8_t* bytes() const { return bytes_.get(); }
  const uint64_t* digests() const { return digests_.get(); }

 private:
  bool put(uint8_t kind, uint32_t value);
  bool putRaw(const uint8_t* item, size_t n);
  void flushRepeats();
  void closeGroup();
  void checkpoint();
  void cut();

  std::unique_ptr<uint8_t[]> bytes_;
  size_t capacity_;
  std::unique_ptr<uint64_t[]> digests_;
  int32_t maxDigests_;
  ReplayProbe probe_;

  size_t end_ = 0;
  size_t frameStart_ = 0;
  size_t groupStart_ = 0, groupEnd_ = 0;
  uint32_t groupCount_ = 0;
  // The item last written in this frame and how many more times it was given since.
  uint8_t lastKind_ = 0;
  uint32_t lastValue_ = 0;
  uint32_t repeats_ = 0;
  int32_t lastClock_[2] = {0, 0};  // the game clock, the channel clock

  bool entryClosed_ = false;
  bool overflow_ = false;
  bool recording_ = true;
  bool cutShort_ = false;
  int32_t frames_ = 0;
  int32_t digestCount_ = 0;
  ReplayMark checkpoint_;  // the last frame with a stored digest (or the entry)
  size_t checkpointGroupStart_ = 0;
};
