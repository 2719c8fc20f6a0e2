#include "actors/enemy_behaviours.h"
#include "actors/enemy_ops.h"
#include "game/actor_type.h"
#include "game/effects.h"
#include "game/sound_effects.h"
#include "game/texture_slots.h"
#include "shell/audio.h"

// The mid-boss: it comes in, stops to fight, and after a while backs off into the depth.
// It keeps its last seen hit points in aux, so that it can flash on the frames it was hit.

namespace {
constexpr int32_t StopAge = 128;
constexpr int32_t BackOffAge = 512;
constexpr double BackOffSpeed = 10.0;
constexpr int32_t LeaveAfter = 700;
constexpr double FlashNearer = 10.0;  // just in front of the boss
constexpr double FlashSize = 256.0;
constexpr double CoinSpeed = 8.0;

void flashHit(const Actor& a) {
  playEffect(Sound::BossHit);
  const double at[3] = {a.pos[0], a.pos[1], a.pos[2] + FlashNearer};
  const double drift[3] = {0.0, 0.0, 1.0};
  const double size[3] = {FlashSize, FlashSize, FlashSize};
  spawnEffect(EffectType::Puff, TextureSlot::WarningFlash, at, drift, size);
}
}  // namespace

void midBoss(Actor& a, SpriteFrame& f) {
  if (f.age == StopAge) a.vel[1] = a.vel[2] = 0.0;
  if (f.age == BackOffAge) a.vel[2] += BackOffSpeed;
  if (a.aux != f.hpAtEntry) {
    flashHit(a);
    a.aux = f.hpAtEntry;
  }
  moveActor(a);
  leaveWhen(f, f.age > LeaveAfter);
}

// It drops a coin as it bursts.
void midBossFalls(Actor& a) {
  throwPickup(ActorType::Coin, CoinSpeed, a.pos);
  spawnEffect(EffectType::GroundBurst, TextureSlot::DebrisLanding, a.pos, a.vel, a.size);
}
