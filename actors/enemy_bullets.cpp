#include "actors/enemy_behaviours.h"
#include "actors/enemy_ops.h"
#include "game/actor_type.h"
#include "game/effects.h"
#include "game/texture_slots.h"

// Enemy bullets, the bomb that turns into one, and the pick-ups, which fly the same way.

namespace {
constexpr int32_t OpaqueUntil = 450;  // then fades out over the last 50 frames
constexpr int32_t GoneAt = 500;
constexpr double DegreesPerFrame = 10.0;
constexpr int32_t PuffSlot = TextureSlot::SmokePuff;
constexpr double BombBulletSpeed = 12.0;
}  // namespace

void driftAndFade(Actor& a, SpriteFrame& f) {
  moveActor(a);
  f.tint[3] = f.age <= OpaqueUntil ? 1.0 : (GoneAt - double(f.age)) * 0.01;
  standardExit(f);
}

void spinningBullet(Actor& a, SpriteFrame& f) {
  f.rotation = f.age * DegreesPerFrame;
  driftAndFade(a, f);
}

void trailingBullet(Actor& a, SpriteFrame& f) {
  if ((f.age & 15) == 0) emitTrail(a, f.age, {.period = 1, .below = 0.0, .rise = 0.0});
  spinningBullet(a, f);
}

// Smokes as it flies and, every 64 frames, becomes a spinning bullet aimed at the player.
void bomb(Actor& a, SpriteFrame& f) {
  moveActor(a);
  if ((f.age & 7) == 0) {
    const double still[3] = {0.0, 0.0, 0.0};
    spawnEffect(EffectType::Puff, PuffSlot, a.pos, still, a.size);
  }
  if ((f.age & 63) == 0) {
    fireAimedNow({.type = ActorType::TrailingBullet,
                  .sprite = a.sprite,
                  .period = 1,
                  .speed = BombBulletSpeed,
                  .warn = true},
                 a.pos);
    f.newType = ActorType::Empty;
  }
}
