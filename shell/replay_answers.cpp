#include "shell/replay_answers.h"

#include "shell/replay_player.h"
#include "shell/replay_recorder.h"

namespace {
ReplayRecorder* Recorder = nullptr;
ReplayPlayer* Player = nullptr;
}  // namespace

void setAnswerRecorder(ReplayRecorder* recorder) { Recorder = recorder; }
void setAnswerPlayer(ReplayPlayer* player) { Player = player; }
ReplayRecorder* answerRecorder() { return Recorder; }
ReplayPlayer* answerPlayer() { return Player; }

int32_t playedAnswer(Answer kind) {
  int32_t value = Player->answer(kind);
  if (Recorder) Recorder->note(kind, value);  // a replay recorded from a playback is the same
  return value;
}

void noteAnswer(Answer kind, int32_t value) {
  if (Recorder) Recorder->note(kind, value);
}

CalendarDate answeredDate(CalendarDate (*read)()) {
  CalendarDate d = Player ? Player->date() : read();
  if (Recorder) Recorder->noteDate(d);
  return d;
}
