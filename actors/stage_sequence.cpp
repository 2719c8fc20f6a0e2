#include "actors/stage_sequence.h"

// Placeholder until the stage sequence lands: there are no scripts to load yet.
int32_t loadStageSequence() { return 0; }
