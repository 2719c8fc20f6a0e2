#pragma once
#include <cstdint>
#include <cstdio>

#include "game/game_mode.h"

// One JSON line with the state frame number `frame` left behind and the frame's answer r;
// audioSeen is the audio log total at the previous line (see docs/trace.md).
void writeTraceLine(std::FILE* out, int32_t frame, GameMode r, int32_t& audioSeen);
