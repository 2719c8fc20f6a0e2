#pragma once
#include <cstdint>

#include "actors/stage_file.h"

// The built-in scripts as the StageFileBytes of a stage file (unused entries all zero), for
// the fuzz target's reference and its seed corpus.
void encodeBuiltInStages(uint8_t* file);
