#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "shell/replay_file.h"
#include "shell/replay_recorder.h"

// The recording of a whole session, always on in the game. Its buffer is taken when it
// starts; 4 MiB holds about 14 hours of keyboard play (docs/replay.md).
constexpr size_t SessionReplayBytes = size_t(4) << 20;
constexpr int32_t SessionReplayDigests = 16384;  // 9.8 million frames, about 46 hours
constexpr const char* ReplayFolder = "replays";
constexpr const char* SessionReplayPath = "replays/session.bravin-replay";
// "replays/rank-N.bravin-replay": the replay of ranking entry N (0 to 8).
std::string rankReplayPath(int32_t entry);

// What decides the run besides the answers, as start-up left it: the game version, the
// time now, the stage data, and the preferences image with the coins start-up took from
// it written back in, as a save would (a first start holds 1 coin its file does not yet).
ReplayFacts currentReplayFacts();
// A recorder of the game's answers as the session records them.
ReplayRecorder makeSessionRecorder();

// The game's session: begun before start-up, its facts taken after it, a frame closed
// after every step of the loop (the first the step into the title), written at the end.
void beginSessionRecording();
void takeSessionFacts();
void closeSessionFrame();
// Writes the replay of the session so far to path, atomically; false with a reason when
// it could not. The game's own save prints a failure as one line and goes on.
bool writeSessionReplay(const char* path, const char*& reason);
void saveSessionReplay();

// A game of the session was ranked into the entry on this frame: at the frame's end the
// replays of the ranking move as its entries did, and the entry's is the session so far.
void noteRankedGame(int32_t entry);
// The end of a session: bravin.pref saved with the replays of the ranking kept in step
// with it (docs/replay.md tells the order, which a kill at any moment leaves in
// agreement), then the session's replay. A replay that cannot be written or moved is one
// line; a bravin.pref that cannot be saved leaves the ranking's replays as they were.
void saveSessionEnd();
