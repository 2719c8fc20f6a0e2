#pragma once
#include <cstdint>

#include "actors/actor_table.h"

// Notes where the bonus character is now in the game's position history (by age) and
// queues its five followers at the points it passed 16, 32, ... 80 frames ago, each set
// back in depth by spacing more than the one in front.
void queueBonusTrail(const Actor& character, int32_t age, double spacing);
