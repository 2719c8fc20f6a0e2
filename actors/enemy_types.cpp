#include "actors/enemy_behaviours.h"
#include "actors/sprite_actor.h"

// Which routine moves each sprite actor type. A type without a row does nothing of its own
// and only goes through the common frame.

namespace {
struct BehaviourRow {
  int32_t type;
  SpriteBehaviour behaviour;
};

// clang-format off
constexpr BehaviourRow BehaviourRows[] = {
  {6,  rideGround},
  {7,  rideGround},
  {8,  rideGround},
  {9,  rideGround},
  {10, driftAndFade},
  {11, spinningBullet},
  {12, trailingBullet},
  {13, bomb},
  {14, carrier},
  {15, weavingFighter},
  {16, weavingDrone},
  {17, swingingFighter},
  {18, hatch},
  {19, swooper},
  {21, glider},
  {22, sentinel},
  {23, midBoss},
  {24, satelliteBoss},
  {25, bossSatellite},
  {26, hopper},
  {27, stiltWalker},
  {28, hoverFortress},
  {30, bomberBoss},
  {31, hunter},
  {32, divingRay},
  {33, glider},
  {34, torpedoDrone},
  {35, gunship},
  {37, armSegment},
  {38, armBoss},
  {41, serpentSegment},
  {42, serpentHead},
  {43, bonusCharacter},
  {44, drifter},
  {45, drifter},
  {46, burningWreck},
  {47, driftAndFade},
  {48, driftAndFade},
};
// clang-format on

constexpr bool eachTypeOnce() {
  for (const BehaviourRow& a : BehaviourRows) {
    int32_t n = 0;
    for (const BehaviourRow& b : BehaviourRows) n += a.type == b.type;
    if (n != 1) return false;
  }
  return true;
}
static_assert(eachTypeOnce(), "a type has one behaviour at most");
}  // namespace

SpriteBehaviour spriteBehaviour(int32_t type) {
  for (const BehaviourRow& row : BehaviourRows) {
    if (row.type == type) return row.behaviour;
  }
  return nullptr;
}
