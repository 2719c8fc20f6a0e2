#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "shell/replay_file.h"
#include "shell/replay_player.h"
#include "shell/replay_recorder.h"

// The runner's side of replays: a replay played through the frame step in place of the
// script (--replay), or the run recorded as the game records a session (--record).
struct ReplayRun {
  Replay replay;
  std::unique_ptr<ReplayPlayer> player;
  bool recording = false;   // the run is recorded as the game's session is
  bool endsAsGame = false;  // and saved as the game saves at its end
  ReplayFacts facts;        // of the recording
  std::string playPath;     // as given
  std::string recordPath;   // absolute: the run moves to its own folder
  int32_t outOfSyncAt = -1;
};

// Reads and checks a replay file whole. False when it cannot be played, with why in a few
// words ("cannot be read", "not a replay", "damaged: ...", "from version ..."); problem
// says which, None when the file could not be read at all.
bool readReplayFile(const std::string& path, Replay& replay, ReplayProblem& problem,
                    std::string& why);
// Before the run moves to its folder: reads the replay to play, or settles where the
// recording goes. False with a message on a file that cannot be played.
bool openReplayRun(const std::string& play, const std::string& record, ReplayRun& run,
                   std::string& error);
// In the run folder, before start-up: the replay's preferences image is the folder's
// bravin.pref, and the player or the recorder is installed.
bool enterReplayRun(ReplayRun& run, std::string& error);
// After start-up: the facts of the recording are taken, and the stage data must be the
// replay's.
bool startReplayRun(ReplayRun& run, std::string& error);
// After the entry and after every frame: the player and the recorder move on, and the
// state is compared with the recording's at each stored digest.
void closeReplayFrame(ReplayRun& run, int32_t frame);
// After the last frame: the final state compared, the recording written (and the game's
// end-of-run save made).
bool finishReplayRun(ReplayRun& run, int32_t framesRun, std::string& error);
// The last line of a playback that ran to the replay's end, and the exit status with it:
// "replay in sync" 0, "replay out of sync at frame N" 3, or for a recording that was cut
// short "replay cut short: ..." 1 (3 when out of sync as well).
int32_t playbackEnd(int32_t outOfSyncAt, bool cutShort, int32_t framesRun, std::string& line);
