#pragma once
#include <cstdint>

#include "game/game_state.h"

// The two lines shown over the first frames of each stage.
constexpr int32_t CaptionTextSize = 16;
struct StageCaption {
  char title[CaptionTextSize];
  char subtitle[CaptionTextSize];
};
extern const StageCaption StageCaptions[StageCount];
