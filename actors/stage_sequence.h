#pragma once
#include <cstdint>

#include "game/game_state.h"

// One line of a stage script: at stage clock `time`, place an actor with these values.
struct SpawnEntry {
  int32_t time;    // stage clock at which the entry fires
  int32_t type;    // actor type; 0 is an empty entry
  int32_t sprite;  // the actor's sprite; for controllers the emitted type or command argument
  int32_t start;   // starting age; for controllers also their param
  double pos[3];
  double vel[3];
  double anchor[3];
  int32_t aux;
  int32_t interval;  // 0 reaches the actor as NeverInterval
  int32_t lifetime;
};

// A spawn entry's interval of 0 means "practically never": the actor gets this one.
constexpr int32_t NeverInterval = 65536;

// The sequence fires one entry a frame at most, each once the stage clock has reached its
// time. With a clock that moves every frame, an entry due at time fires on this frame when
// the one before it fired on previous (-1 for the first).
constexpr int64_t entryFireFrame(int64_t time, int64_t previous) {
  return time > previous + 1 ? time : previous + 1;
}

// The scripts of the eight stages, 100 entries each, sorted by time within a stage; the
// used entries first, the rest all zero. Entry i of stage s is record s * 100 + i of the
// stage file.
constexpr int32_t StageEntryCount = 100;
extern SpawnEntry StageSequence[StageCount][StageEntryCount];

// Where the current stage's script has got to.
struct SequenceState {
  int32_t nextIndex;  // the next entry to fire; StageEntryCount when the script is done
  int32_t nextTime;   // its time
};
extern SequenceState Sequence;

// Puts the built-in scripts back in the table (they are there from program start).
void useBuiltInSequence();
// Rewinds the sequence to the first entry of the stage's script.
void resetSequence(int32_t stage);
// Fires at most one due spawn entry; answers 0.
int32_t sequenceStep(int32_t clock);
