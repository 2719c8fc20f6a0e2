#include <cmath>

#include "actors/enemy_behaviours.h"
#include "actors/enemy_ops.h"
#include "game/actor_type.h"
#include "game/geometry.h"
#include "game/texture_slots.h"

// Flyers that glide across, hop, hunt and dive at the player.

namespace {
constexpr double HopLift = 0.0625;
constexpr Trail EngineSmoke = {.period = 8, .below = 192.0, .rise = 2.0};

// Cyan diamonds, unwarned, every period frames.
constexpr AimedFire diamonds(int32_t period) {
  return {.type = ActorType::SpinningBullet,
          .sprite = TextureSlot::CyanDiamond,
          .period = period,
          .speed = 10.0,
          .warn = false};
}
// Plain violet orbs every 256 frames, twice as often above the level.
AimedFire violetOrbs(int32_t level) {
  return {.type = ActorType::Bullet,
          .sprite = TextureSlot::VioletOrb,
          .period = 256 / (1 + levelAbove(level)),
          .speed = 8.0,
          .warn = false};
}
}  // namespace

// Flaps straight on, facing the way it flies.
void glider(Actor& a, SpriteFrame& f) {
  animate(f, 8);
  faceMotion(a, f);
  moveActor(a);
  standardExit(f);
}

// Springs up while its age is negative, then leaps at the player every 256 frames, bobbing.
void hopper(Actor& a, SpriteFrame& f) {
  if (f.age < 0) {
    a.vel[1] += f.age * HopLift;
  } else {
    if ((f.age & 255) == 1) aimVelocity(a.pos, a.vel, -a.vel[2]);
    a.pos[1] += 4.0 * sin256(wrappingTimes(4, f.age));
  }
  moveActor(a);
  leanWhileLocked(a, f, 6.0);
}

// Flies for 256 frames, then hangs for 256 swaying up and down and spitting fire.
void hunter(Actor& a, SpriteFrame& f) {
  if ((f.age & 256) == 0) {
    moveActor(a);
    animate(f, 8);
  } else {
    if ((f.age & 255) == 0) a.vel[0] = -a.vel[0];
    a.pos[1] += ((f.age & 255) - 128) * 0.125;
    a.pos[0] += a.vel[0];
    fireAimed(diamonds(128), f.age, a.pos);
    f.drawSprite = saturatingAdd(f.drawSprite, (f.age & 64) == 0 ? 3 : 2);
  }
  faceMotion(a, f);
}

// At age 128 turns on the player, fires once and dives.
void divingRay(Actor& a, SpriteFrame& f) {
  if (f.age == 128) {
    aimVelocity(a.pos, a.vel, 8.0);
    fireAimedNow(diamonds(1), a.pos);
  }
  moveActor(a);
  leanWhileLocked(a, f, -6.0);
}

// Heads for the player at its own speed, level, smoking and firing as it goes.
void torpedoDrone(Actor& a, SpriteFrame& f) {
  if (f.age == 0) {
    aimVelocity(a.pos, a.vel, -a.vel[2]);
    a.vel[1] = 0.0;
  }
  emitTrail(a, f.age, EngineSmoke);
  fireAimed(violetOrbs(9), f.age, a.pos);
  glider(a, f);
}

// Fires at the player and, at age 128, charges it; shows its head-on picture while it flies
// more in depth than across.
void gunship(Actor& a, SpriteFrame& f) {
  if (f.age == 128) aimVelocity(a.pos, a.vel, 30.0);
  fireAimed(violetOrbs(8), wrappingAdd(f.age, 128), a.pos);
  emitTrail(a, f.age, {.period = 8, .below = 32.0, .rise = 0.0});
  moveActor(a);
  // -1 < vel.x / vel.z < 1, without dividing by a zero vel.z.
  if (std::fabs(a.vel[0]) < std::fabs(a.vel[2])) f.drawSprite = saturatingAdd(f.drawSprite, 1);
  faceMotion(a, f);
  standardExit(f);
}
