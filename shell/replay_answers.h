#pragma once
#include <cstdint>

#include "shell/calendar.h"

// Everything that reaches the game from outside, call by call: the input layer's answers,
// the game clock and the calendar. The recorder sees each answer as it is given; during
// playback the answers come from the replay instead of the keyboard, clock and calendar.
// The numbers are the item kinds of the replay file (docs/replay.md).
enum class Answer : uint8_t {
  Direction = 1,  // (vertical + 1) * 3 + horizontal + 1
  ButtonA,
  ButtonB,
  Start,
  Escape,
  KeyHeld,
  Tick,
  Date,
  ChannelClock  // the milliseconds the sound channels are timed by
};

class ReplayRecorder;
class ReplayPlayer;

// Installs the recorder that notes every answer, and the player that gives them; either
// may be null. The caller keeps them alive while installed.
void setAnswerRecorder(ReplayRecorder* recorder);
void setAnswerPlayer(ReplayPlayer* player);
ReplayRecorder* answerRecorder();
ReplayPlayer* answerPlayer();

// The one path of an answer: from the player during playback, else from read(), noted
// for the recorder.
template <class Read>
int32_t answered(Answer kind, Read read);
CalendarDate answeredDate(CalendarDate (*read)());

// The parts of the path, for answered().
int32_t playedAnswer(Answer kind);
void noteAnswer(Answer kind, int32_t value);

template <class Read>
int32_t answered(Answer kind, Read read) {
  if (answerPlayer()) return playedAnswer(kind);
  int32_t value = read();
  noteAnswer(kind, value);
  return value;
}
