#include "actors/actor_info.h"
#include "actors/enemy_behaviours.h"
#include "actors/enemy_ops.h"
#include "actors/sprite_actor.h"
#include "game/effects.h"
#include "game/geometry.h"
#include "game/texture_slots.h"
#include "shell/audio.h"

// What is left of a dead actor, as its type's death row names it, and the death itself:
// the points it scores (times the level), its sound, then its remains.

namespace {
void burst(Actor& a, int32_t effect, int32_t slot) {
  spawnEffect(effect, slot, a.pos, a.vel, a.size);
}

void playDeathSound(const DeathRow& row) {
  if (row.sound == Mute) return;
  if (row.fallbackChannel == NoFallback) {
    playEffect(row.sound);
  } else {
    playEffectElseCutChannel(row.sound, row.fallbackChannel);
  }
}
}  // namespace

void groundBurst(Actor& a) { burst(a, EffectType::GroundBurst, TextureSlot::Fireball); }
void blastBurst(Actor& a) { burst(a, EffectType::GroundBurst, TextureSlot::Blast); }
void dustBurst(Actor& a) { burst(a, EffectType::GroundBurst, TextureSlot::DebrisLanding); }
// The carrier's next picture is its empty balloon.
void emptyBalloonFalls(Actor& a) { burst(a, EffectType::Debris, saturatingAdd(a.sprite, 1)); }
void wreckFalls(Actor& a) { burst(a, EffectType::Debris, a.sprite); }
void bombFalls(Actor& a) { burst(a, EffectType::Bomb, a.sprite); }
// Thrown back the way it came, mostly in depth.
void shardFlies(Actor& a) {
  vec3Scale(a.vel, -3.0);
  a.vel[0] *= 0.25;
  burst(a, EffectType::Fragment, TextureSlot::Shard);
}
void burstAndShard(Actor& a) {
  dustBurst(a);
  shardFlies(a);
}
// The boss's wreck burns on and ends the stage.
void wreckBurns(Actor& a) { leaveWreck(a); }

void runDeathRow(Actor& a, int32_t newType) {
  const DeathRow& row = actorInfo(newType).death;
  addScoreTimesLevel(row.points);
  playDeathSound(row);
  row.remains(a);
}
