#include "actors/stage_sequence.h"

// Placeholder until the stage sequence lands: there are no scripts to load yet.
int32_t loadStageSequence() { return 0; }

// Placeholder until the stage sequence lands: no scripts, nothing to rewind.
void resetSequence(int32_t) {}

// Placeholder until the stage sequence lands: no entry ever falls due.
int32_t sequenceStep(int32_t) { return 0; }
