#pragma once
#include <cstdint>
#include <vector>

#include "tools/stages/canvas.h"
#include "tools/stages/stage_script.h"

// What a stage's script places over time, worked out as the game would run it with the
// player never falling: one entry a frame, emitters releasing every interval frames.
struct Spawn {
  int32_t frame;
  int32_t type;  // what appears: an emitter's emitted type, else the entry's own
};
struct StageTimes {
  std::vector<Spawn> spawns;
  std::vector<int32_t> bossFrames;  // where a boss or set piece enters
  int32_t clearedFrame;             // the stage end's clear; -1 with no stage end
  int32_t nextStageFrame;           // where the next stage begins; -1 with no stage end
  int32_t lastFrame;                // the end of the picture's time axis
  int32_t unshown;                  // entries past the axis (the never-reached last one)
};

// The frame on which each of the stage's entries fires: its time, or the frame after the
// entry before it, whichever is later.
std::vector<int32_t> fireFrames(const ScriptStage& stage);
// Where the stage's first stage end clears it and starts the next; -1 for both with none.
struct StageEnd {
  int32_t clearedFrame;
  int32_t nextStageFrame;
};
StageEnd stageEnd(const ScriptStage& stage, const std::vector<int32_t>& frames);
StageTimes stageTimes(const ScriptStage& stage);
// The picture of one stage: a row per type that appears, a tick per spawn, the boss and
// the stage end marked, the time axis in frames.
Canvas drawTimeline(const ScriptStage& stage, int32_t stageNumber);
