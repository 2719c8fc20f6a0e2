#include "game/game_state.h"

// The scenery of each stage: texture slots of the sky and of the first of four tiles of
// each scrolling layer, and the ground colour.
// clang-format off
const StageBackdrop StageBackdrops[StageCount] = {
  // sky  far   near   ground colour RGBA
  {144,   160,  192,   {0.2,  0.8,  0.3,  1.0}},
  {145,   164,  196,   {0.7,  0.4,  0.1,  1.0}},
  {146,   168,  200,   {0.9,  0.7,  0.9,  1.0}},
  {147,   172,  204,   {0.7,  0.6,  0.7,  1.0}},
  {148,   164,  192,   {0.2,  0.8,  0.3,  1.0}},
  {151,   160,  196,   {0.4,  0.75, 0.99, 1.0}},
  {149,   164,  204,   {0.6,  0.5,  0.2,  1.0}},
  {147,   160,  192,   {0.4,  0.7,  0.3,  1.0}},
};
// clang-format on
