#pragma once
#include <cstdint>

// Loads "resources/stgseq.data" when present, else keeps the built-in stage scripts.
int32_t loadStageSequence();
