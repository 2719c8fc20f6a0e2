#pragma once
#include <cstdint>

// Loads "resources/stgseq.data" when present, else keeps the built-in stage scripts.
int32_t loadStageSequence();
// Rewinds the sequence to the first entry of the stage's script.
void resetSequence(int32_t stage);
// Fires at most one due spawn entry; answers 0.
int32_t sequenceStep(int32_t clock);
