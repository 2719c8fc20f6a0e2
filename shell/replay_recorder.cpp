#include "shell/replay_recorder.h"

#include <cstring>

#include "shell/replay_coding.h"

namespace {
constexpr uint32_t MaxRepeats = 0xFFFFFFFFu;
constexpr uint8_t kindOf(Answer a) { return static_cast<uint8_t>(a); }
}  // namespace

ReplayRecorder::ReplayRecorder(size_t capacity, int32_t maxDigests, ReplayProbe probe)
    : bytes_(new uint8_t[capacity]),
      capacity_(capacity),
      digests_(new uint64_t[size_t(maxDigests > 0 ? maxDigests : 1)]),
      maxDigests_(maxDigests),
      probe_(probe) {
  // Touched now, so that the first frames do not fault the pages in.
  std::memset(bytes_.get(), 0, capacity_);
}

bool ReplayRecorder::putRaw(const uint8_t* item, size_t n) {
  if (overflow_ || n > capacity_ - end_) {
    overflow_ = true;
    return false;
  }
  std::memcpy(bytes_.get() + end_, item, n);
  end_ += n;
  return true;
}

bool ReplayRecorder::put(uint8_t kind, uint32_t value) {
  uint8_t item[ReplayItem::LongestBytes];
  return putRaw(item, putItem(item, kind, value));
}

void ReplayRecorder::flushRepeats() {
  if (repeats_ > 0) put(ReplayItem::Repeat, repeats_);
  repeats_ = 0;
}

void ReplayRecorder::note(Answer kind, int32_t value) {
  if (!recording_ || overflow_) return;
  uint32_t coded;
  if (kind == Answer::Tick || kind == Answer::ChannelClock) {
    // A clock as its step from its last answer: the game clock's is almost always 0 or 1.
    int32_t& last = lastClock_[kind == Answer::Tick ? 0 : 1];
    coded = zigzag(int32_t(uint32_t(value) - uint32_t(last)));
    last = value;
  } else {
    coded = uint32_t(value);
  }
  if (kindOf(kind) == lastKind_ && coded == lastValue_ && repeats_ < MaxRepeats) {
    ++repeats_;
    return;
  }
  flushRepeats();
  put(kindOf(kind), coded);
  lastKind_ = kindOf(kind);
  lastValue_ = coded;
}

void ReplayRecorder::noteDate(CalendarDate date) {
  if (!recording_ || overflow_) return;
  flushRepeats();
  uint8_t item[ReplayItem::LongestBytes];
  size_t n = putItem(item, kindOf(Answer::Date), 0);
  for (int32_t v : {date.yearsSince1900, date.monthIndex, date.day})
    n += putVarint(item + n, zigzag(v));
  putRaw(item, n);
  lastKind_ = ReplayItem::End;  // a date is never repeated into
}

// Ends the frame's group, or counts the frame into the last group when it gave the same
// answers.
void ReplayRecorder::closeGroup() {
  size_t length = end_ - frameStart_;
  bool same = groupCount_ > 0 && length == groupEnd_ - groupStart_ &&
              std::memcmp(bytes_.get() + groupStart_, bytes_.get() + frameStart_, length) == 0;
  if (same && groupCount_ < MaxRepeats) {
    end_ = groupEnd_;
    ++groupCount_;
  } else {
    groupStart_ = frameStart_;
    groupEnd_ = end_;
    groupCount_ = 1;
  }
  put(ReplayItem::End, groupCount_);
}

void ReplayRecorder::checkpoint() {
  checkpoint_ = {groupEnd_,       groupCount_,    frames_, digestCount_,
                 probe_.digest(), probe_.score(), true};
  checkpointGroupStart_ = groupStart_;
}

void ReplayRecorder::cut() {
  const ReplayMark& c = checkpoint_;
  overflow_ = false;
  groupStart_ = checkpointGroupStart_;
  groupEnd_ = c.groupEnd;
  groupCount_ = c.groupCount;
  frames_ = c.frames;
  digestCount_ = c.digests;
  end_ = c.groupEnd;
  if (c.groupCount > 0) put(ReplayItem::End, c.groupCount);  // as long as it was then
  recording_ = false;
  cutShort_ = true;
}

void ReplayRecorder::endFrame() {
  if (!recording_) return;
  flushRepeats();
  if (!overflow_) closeGroup();
  if (overflow_) return cut();
  frameStart_ = end_;
  lastKind_ = ReplayItem::End;
  if (!entryClosed_) {
    entryClosed_ = true;
    return checkpoint();
  }
  ++frames_;
  if (frames_ % DigestEvery != 0) return;
  if (digestCount_ >= maxDigests_) return cut();
  digests_[size_t(digestCount_++)] = probe_.digest();
  checkpoint();
}

ReplayMark ReplayRecorder::mark() const {
  if (cutShort_ || !entryClosed_) {
    ReplayMark m = checkpoint_;
    m.cutShort = cutShort_;
    return m;
  }
  return {groupEnd_, groupCount_, frames_, digestCount_, probe_.digest(), probe_.score(), false};
}
