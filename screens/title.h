#pragma once
#include <cstdint>

#include "shell/game_mode.h"

// One step of the title and attract cycle. An entry below 1 enters phase -entry.
GameMode titleStep(int32_t entry);
