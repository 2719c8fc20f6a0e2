#include "shell/replay_player.h"

#include "shell/replay_coding.h"
#include "shell/replay_file.h"

ReplayPlayer::ReplayPlayer(const Replay& replay)
    : bytes_(replay.frames.data()), size_(replay.frames.size()) {
  enterGroup(0);
}

// Finds the group's End (the frames were checked when the file was read).
void ReplayPlayer::enterGroup(size_t at) {
  groupStart_ = next_ = at;
  groupLeft_ = 0;
  item_ = {};
  ByteReader r{bytes_ + at, bytes_ + size_};
  uint8_t kind = 0;
  uint32_t value = 0;
  while (true) {
    const uint8_t* here = r.at;
    if (!r.item(kind, value)) return;  // past the last group: nothing left to give
    if (kind == ReplayItem::End) {
      groupEnd_ = size_t(here - bytes_);
      afterGroup_ = size_t(r.at - bytes_);
      groupLeft_ = value;
      return;
    }
    if (kind == uint8_t(Answer::Date)) {
      for (int i = 0; i < 3; ++i) r.varint(value);
    }
  }
}

const ReplayPlayer::Item& ReplayPlayer::peek() {
  if (item_.left > 0 || groupLeft_ == 0 || next_ >= groupEnd_) return item_;
  ByteReader r{bytes_ + next_, bytes_ + groupEnd_};
  item_ = {};
  r.item(item_.kind, item_.value);
  item_.left = 1;
  if (item_.kind == uint8_t(Answer::Date)) {
    uint32_t v[3] = {};
    for (uint32_t& x : v) r.varint(x);
    item_.date = {unzigzag(v[0]), unzigzag(v[1]), unzigzag(v[2])};
  }
  ByteReader ahead = r;
  uint8_t kind = 0;
  uint32_t more = 0;
  if (ahead.item(kind, more) && kind == ReplayItem::Repeat) {
    item_.left += more;
    r = ahead;
  }
  next_ = size_t(r.at - bytes_);
  return item_;
}

void ReplayPlayer::take() {
  if (item_.kind == uint8_t(Answer::Tick) || item_.kind == uint8_t(Answer::ChannelClock)) {
    int32_t& clock = item_.kind == uint8_t(Answer::Tick) ? tick_ : channelClock_;
    clock = int32_t(uint32_t(clock) + uint32_t(unzigzag(item_.value)));
  }
  if (--item_.left == 0) item_.kind = 0;
}

// Clock answers the game did not ask for still move the clock.
void ReplayPlayer::passClock() {
  while (peek().left > 0 && item_.kind == uint8_t(Answer::Tick)) take();
}

void ReplayPlayer::diverge() {
  if (divergedAt_ < 0) divergedAt_ = frame_ < 0 ? 0 : frame_;
}

int32_t ReplayPlayer::answer(Answer kind) {
  if (kind == Answer::Tick) {
    if (peek().left > 0 && item_.kind == uint8_t(kind)) take();
    return tick_;
  }
  passClock();
  if (peek().left == 0 || item_.kind != uint8_t(kind)) {
    diverge();
    return kind == Answer::Direction ? 4 : 0;  // nothing held
  }
  uint32_t value = item_.value;
  take();
  return kind == Answer::ChannelClock ? channelClock_ : int32_t(value);
}

CalendarDate ReplayPlayer::date() {
  passClock();
  if (peek().left == 0 || item_.kind != uint8_t(Answer::Date)) {
    diverge();
    return {0, 0, 1};
  }
  CalendarDate d = item_.date;
  take();
  return d;
}

void ReplayPlayer::endFrame() {
  passClock();
  if (peek().left > 0) diverge();  // the recording gave more than was asked
  ++frame_;
  if (groupLeft_ > 1) {
    --groupLeft_;
    next_ = groupStart_;
    item_ = {};
  } else if (groupLeft_ == 1) {
    enterGroup(afterGroup_);
  }
}
