#pragma once
#include <cstdint>

// The mode number of the frame loop. The low 8 bits are the mode; a step may set
// SkippedFrameBit in its answer to tell the loop that the frame was not drawn.
using GameMode = int32_t;

namespace Mode {
constexpr GameMode NewGame = 2;
constexpr GameMode Play = 3;
constexpr GameMode Pause = 4;
constexpr GameMode RecordScore = 5;
constexpr GameMode ReturnToTitle = 6;
constexpr GameMode EnterTitle = 7;
constexpr GameMode Title = 8;
constexpr GameMode Quit = 9;
}  // namespace Mode

constexpr GameMode SkippedFrameBit = 0x100;
constexpr GameMode ModeNumberMask = 0xFF;
