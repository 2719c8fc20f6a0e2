#pragma once
#include <cstdint>
#include <vector>

#include "game/game_mode.h"
#include "game/table_reset.h"

// The flow of a game: starting games and stages, the frames of play and of the attract
// demo, and the pause request. The state it moves is the game's record (game_state.h);
// the actors are driven from here alone.

// A new game from the stage (0 to 7): lives, score, difficulty, the player's start.
int32_t startNewGame(int32_t startStage);
// The stage from its first frame: the player arriving, the tables of play reset.
int32_t startStage(int32_t stage);
// Starts the stage a stage end asked for during the actor walk, if one did; answers
// whether a stage started.
bool startRequestedStage();
// One frame of play; answers Play, Pause or RecordScore.
GameMode playStep();
// One frame of the attract demo; answers Title.
GameMode demoStep();

// Rewinds the stage script to the start of the current stage, drops a stage request and
// resets the actor and effect tables and the boss's position history; a Zero reset also
// empties the player's shots and the fire timer (a stage start leaves them flying). The
// stage start and every test's set-up use it.
void resetPlayTables(TableReset how);

// Reads the whole file at path into bytes; false when it cannot be opened. The shell
// hands one in, since the game itself opens no files.
using WholeFileReader = bool (*)(const char* path, std::vector<uint8_t>& bytes);

// Replaces every stage script with the stage file at path when it is read whole and is
// exactly one stage file long; otherwise the scripts stay as they are and one line says
// so. 1 when loaded.
int32_t loadStageFile(const char* path, WholeFileReader read);
// loadStageFile for "resources/stgseq.data".
int32_t loadStageSequence(WholeFileReader read);
