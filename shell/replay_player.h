#pragma once
#include <cstddef>
#include <cstdint>

#include "shell/calendar.h"
#include "shell/replay_answers.h"

struct Replay;

// Gives the game the answers of a replay, frame by frame, in the order they were asked.
// The clock is lenient: a frame drawn in the recording and not in the playback (another
// frame-skip setting) asks for the time once less, so clock answers the game does not ask
// for are passed over and one asked for beyond the recorded ones gets the last time again.
// Any other answer asked for out of turn means the playback has left the recording: it is
// answered with nothing held and the frame is kept as where the playback diverged.
class ReplayPlayer {
 public:
  explicit ReplayPlayer(const Replay& replay);

  int32_t answer(Answer kind);
  CalendarDate date();
  // Moves on to the next frame; the first call ends the entry.
  void endFrame();

  // The frame being played (-1 during the entry) and where the playback first asked for
  // something the recording did not hold there (-1 while it has not).
  int32_t frame() const { return frame_; }
  int32_t divergedAt() const { return divergedAt_; }

 private:
  struct Item {
    uint8_t kind = 0;  // 0: none left in this frame
    uint32_t value = 0;
    uint32_t left = 0;  // uses left
    CalendarDate date{};
  };
  const Item& peek();
  void take();
  void passClock();
  void diverge();
  void enterGroup(size_t at);

  const uint8_t* bytes_;
  size_t size_;
  size_t groupStart_ = 0, groupEnd_ = 0, afterGroup_ = 0, next_ = 0;
  uint32_t groupLeft_ = 0;
  Item item_;
  int32_t tick_ = 0;
  int32_t channelClock_ = 0;
  int32_t frame_ = -1;
  int32_t divergedAt_ = -1;
};
