#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "actors/stage_sequence.h"

// An event written into the player's record before a frame, as if an actor had posted it.
struct PostedEvent {
  int32_t frame;
  int32_t event;
};

// An actor placed before a frame, as a spawn entry of the stage script would place it.
struct PlacedActor {
  int32_t frame;
  SpawnEntry entry;  // its time is unused
};

struct RunOptions {
  int32_t frames = 600;
  std::string script;     // input script file; empty: nothing held
  std::string resources;  // asset folder to run with
  std::string dumpDir;    // PNG frame dumps; empty: none
  int32_t dumpEvery = 60;
  uint32_t seed = 1;
  bool realClock = false;   // SDL's clock and real sleeps instead of exact 17 ms steps
  int32_t startStage = -1;  // 0..7: begin a game at this stage instead of the title
  bool newGame = false;     // begin in NewGame instead of the title
  std::string trace;        // JSON lines of every frame's state; empty: none
  std::vector<PostedEvent> posts;
  std::vector<PlacedActor> spawns;
  std::string times;       // per frame: frame, wall ms, live actors, queued items
  int32_t frameSkip = 0;   // 1 or more: the game's frame-skip setting for the run
  int32_t skipUntil = 0;   // frames before this one are left undrawn
  bool keepAlive = false;  // hits posted to the player are dropped before each frame
  std::string memory;      // resident memory at frames 1, 10, 100, ... and the last; empty: none
  std::string replay;      // a replay to play instead of a script; empty: none
  std::string record;      // where to write the run's recording; empty: not recorded
  // A folder to run in and keep, ending as the game does (bravin.pref, replays/); empty:
  // a fresh folder, removed afterwards.
  std::string folder;
};

struct RunResult {
  int32_t framesRun = 0;
  int32_t finalMode = 0;
  uint64_t digest = 0;
  std::vector<double> frameMs;     // wall time of each frame step
  std::vector<double> playStepMs;  // wall time of the play step, in frames that ran one
  double startUpMs = 0;
  std::string stageStarts;  // " S:F" for each stage S that began on frame F
  std::string folder;       // the working folder it ran in, when it is to be removed
  // With a replay: whether it was played, the first frame out of sync (-1: none), and
  // whether the recording was cut short (at its last frame).
  bool replayed = false;
  int32_t outOfSyncAt = -1;
  bool cutShort = false;
};

// Runs the game's start-up and frame step headless in a fresh working folder.
// Answers false with a message in error when it cannot start.
bool runHeadless(const RunOptions& options, RunResult& result, std::string& error);
// Makes a fresh temporary folder with the asset folder linked in as resources/ and moves
// into it, so the player's own preferences file is never read or written; folder is its
// path, for removing it afterwards.
bool enterRunFolder(const std::string& resources, std::string& folder, std::string& error);
// The same in a folder of its own (kept; --folder), made when missing and kept afterwards;
// the asset folder is linked in unless the folder has a resources/ already. An empty kept
// folder is the fresh temporary one.
bool enterRunFolder(const std::string& resources, const std::string& kept, std::string& folder,
                    std::string& error);
