#include "actors/enemy_behaviours.h"
#include "actors/enemy_ops.h"
#include "game/actor_type.h"
#include "game/geometry.h"
#include "game/texture_slots.h"

// Fighters that sweep in and fire at the player, each shot announced by a warning flash.
// The fire period halves from a level on.

namespace {
constexpr double TurnStep = 0.5235987755833333;  // a twelfth of a turn
constexpr double SwingHeight = 800.0;
constexpr double OneIn120 = 0.008333333333333333;

// Warned spinning bullets at 10 a frame.
constexpr AimedFire warnedBullets(int32_t sprite, int32_t period) {
  return {.type = ActorType::SpinningBullet,
          .sprite = sprite,
          .period = period,
          .speed = 10.0,
          .warn = true};
}
// Orange orbs every period frames, twice as often above the level.
AimedFire orbsEvery(int32_t period, int32_t level) {
  return warnedBullets(TextureSlot::OrangeOrb, period / (1 + levelAbove(level)));
}

// Turns toward its anchor and fires every 16 frames early on, and bobs up and down.
void weave(Actor& a, SpriteFrame& f) {
  if ((f.age & 255) == 0) a.vel[1] = -a.vel[1];
  if ((f.age & 15) == 0 && f.age < 300) {
    turnToward(a.pos, a.anchor, a.vel, TurnStep);
    fireAimed(orbsEvery(256, 5), f.age, a.pos);
  }
  moveActor(a);
  leanWhileLocked(a, f, 10.0);
  leaveWhen(f, f.age > 1000 || a.pos[2] < 0.0);
}
}  // namespace

void weavingFighter(Actor& a, SpriteFrame& f) { weave(a, f); }

void weavingDrone(Actor& a, SpriteFrame& f) {
  animate(f, 8);
  weave(a, f);
}

// Swings down from high above and up again, never below the player's ground.
void swingingFighter(Actor& a, SpriteFrame& f) {
  a.pos[1] = SwingHeight * cos256(f.age);
  a.pos[0] += a.vel[0];
  a.pos[2] += a.vel[2];
  a.pos[1] = clampRange(a.pos[1], 400.0, -800.0);
  fireAimed(orbsEvery(256, 5), f.age, a.pos);
  leanWhileLocked(a, f, -10.0);
  leaveWhen(f, f.age > 1000 || a.pos[2] < 0.0);
}

// Its depth and height speeds run down to nothing at age 120 and build up the other way.
void swooper(Actor& a, SpriteFrame& f) {
  double fromTurn = double(f.age) - 120.0;
  a.pos[0] += a.vel[0];
  a.pos[2] -= fromTurn * a.vel[2] * OneIn120;
  a.pos[1] -= fromTurn * a.vel[1] * OneIn120;
  fireAimed(orbsEvery(192, 11), f.age, a.pos);
  leanWhileLocked(a, f, 10.0);
  animate(f, 8);
  leaveWhen(f, f.age > 240);
}

// Comes in, hovers from age 120 to 600 jittering sideways and up and down while it fires,
// then flies off into the depth.
void sentinel(Actor& a, SpriteFrame& f) {
  if (f.age <= 120 || f.age >= 600) {
    a.vel[2] = f.age < 100 ? double((int64_t(f.age) - 120) / 2) : 20.0;
  } else {
    a.vel[2] = 0.0;
    if ((f.age & 127) == 0) a.vel[0] = signedRandomMod(10);
    if ((f.age & 63) == 0) a.vel[1] = -a.vel[1];
    fireAimed(warnedBullets(TextureSlot::BlueRing, 128), f.age, a.pos);
  }
  moveActor(a);
  animate(f, 4);
  leaveWhen(f, f.age > 700);
}

// Strides on a slow circle, its size in vel.
void stiltWalker(Actor& a, SpriteFrame& f) {
  a.pos[0] -= sin256(f.age / 2) * a.vel[0];
  a.pos[2] += cos256(f.age / 2) * a.vel[2];
  fireAimed(warnedBullets(TextureSlot::YellowStar, 32), f.age, a.pos);
  leaveWhen(f, f.age > 256);
}

// Sways sideways by anchor.x and up and down by anchor.y; at the ends of its sway it stops
// to fire from its open belly, otherwise its engines trail smoke.
void hoverFortress(Actor& a, SpriteFrame& f) {
  double c = cos256(f.age);
  if (c > -0.5 && c < 0.5) c = 0.0;
  a.pos[0] += c * a.anchor[0] + a.vel[0];
  a.pos[1] -= clampRange(sin256(wrappingTimes(2, f.age)), 1.0, -1.0) * a.anchor[1];
  a.pos[2] += a.vel[2];
  if (c == 0.0) {
    fireAimed({.type = ActorType::TrailingBullet,
               .sprite = TextureSlot::PinkStar,
               .period = 16,
               .speed = 12.0,
               .warn = true},
              f.age, a.pos);
    f.drawSprite = saturatingAdd(f.drawSprite, -1);
  } else {
    emitTrail(a, f.age, {.period = 8, .below = 192.0, .rise = 2.0});
  }
  leaveWhen(f, f.age > 1000 || a.pos[2] < 0.0);
}
