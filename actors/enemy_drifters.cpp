#include "actors/enemy_behaviours.h"
#include "actors/enemy_ops.h"
#include "game/actor_type.h"
#include "game/game_state.h"
#include "game/geometry.h"

// Sprite actors that go with the world: targets standing on the scrolling ground, the
// balloon that carries an extra life, and figures drifting by.

namespace {
constexpr double SwingDegrees = 30.0;
constexpr double SwingWidth = 128.0;
constexpr double DropBelowY = 224.0;
constexpr double ThrowSpeed = 10.0;
constexpr int32_t EmptyBalloonSprite = 39;
}  // namespace

// Held still while the clock stands, when the ground does not move.
void rideGround(Actor& a, SpriteFrame& f) {
  if (Game.depthScroll != 0.0) {
    a.pos[0] -= Game.sideScroll;
    a.pos[2] -= Game.depthScroll;
    moveActor(a);
  }
  standardExit(f);
}

// Sinks from the sky swinging to and fro about its anchor; once low enough it drops its
// extra life and carries on empty as a drifter.
void carrier(Actor& a, SpriteFrame& f) {
  vec3Add(a.anchor, a.vel);
  for (int i = 0; i < 3; ++i) a.pos[i] = a.anchor[i];
  f.rotation = SwingDegrees * sin256(f.age);
  a.pos[0] -= SwingWidth * sin256(truncInt32(f.rotation));
  if (a.pos[1] > DropBelowY) {
    throwPickup(ActorType::ExtraLife, ThrowSpeed, a.pos);
    a.sprite = EmptyBalloonSprite;
    a.vel[1] = 0.0;
    a.vel[2] = -Game.depthScroll;
    f.newType = ActorType::Drifter;
  }
  standardExit(f);
}

void drifter(Actor& a, SpriteFrame& f) {
  moveActor(a);
  standardExit(f);
}
