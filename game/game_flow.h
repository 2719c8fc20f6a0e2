#pragma once
#include <cstdint>
#include <vector>

#include "game/table_reset.h"

// Rewinds the stage script to the start of the current stage and resets the actor and
// effect tables and the boss's position history; a Zero reset also empties the player's
// shots and the fire timer (a stage start leaves them flying). The stage start and every
// test's set-up use it.
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
