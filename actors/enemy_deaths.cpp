#include <iterator>

#include "actors/enemy_behaviours.h"
#include "actors/enemy_ops.h"
#include "actors/sprite_actor.h"
#include "game/effects.h"
#include "game/geometry.h"
#include "shell/audio.h"

// How each sprite actor dies: the points it scores (times the level), the sound and what is
// left of it. The row is that of the type the actor has when it dies.

namespace {
constexpr int32_t NoFallback = -1;
constexpr int32_t Mute = -1;        // a death that makes no sound of its own
constexpr int32_t TypesPerRow = 5;  // unused places hold 0, which never dies by a row

struct DeathRow {
  int32_t types[TypesPerRow];
  int32_t points;  // times the level
  int32_t sound;
  int32_t fallbackChannel;  // cut when every channel is busy; NoFallback: the sound is dropped
  void (*remains)(Actor& a);
};

void burst(Actor& a, int32_t effect, int32_t slot) {
  spawnEffect(effect, slot, a.pos, a.vel, a.size);
}

void groundBurst(Actor& a) { burst(a, EffectType::GroundBurst, 60); }
void blastBurst(Actor& a) { burst(a, EffectType::GroundBurst, 64); }
void dustBurst(Actor& a) { burst(a, EffectType::GroundBurst, 68); }
// The carrier's next picture is its empty balloon.
void emptyBalloonFalls(Actor& a) { burst(a, EffectType::Debris, saturatingAdd(a.sprite, 1)); }
void wreckFalls(Actor& a) { burst(a, EffectType::Debris, a.sprite); }
void bombFalls(Actor& a) { burst(a, EffectType::Bomb, a.sprite); }
// Thrown back the way it came, mostly in depth.
void shardFlies(Actor& a) {
  vec3Scale(a.vel, -3.0);
  a.vel[0] *= 0.25;
  burst(a, EffectType::Fragment, 71);
}
void burstAndShard(Actor& a) {
  dustBurst(a);
  shardFlies(a);
}
// The boss's wreck burns on and ends the stage.
void wreckBurns(Actor& a) { leaveWreck(a); }

// clang-format off
constexpr DeathRow DeathRows[] = {
  // types                  points  sound  fallback    remains
  {{6, 8},                  1000,   3,     NoFallback, groundBurst},
  {{7, 9, 21, 28},          5000,   5,     NoFallback, blastBurst},
  {{14},                    0,      27,    1,          emptyBalloonFalls},
  {{15, 16, 17, 19, 26},    1000,   7,     NoFallback, wreckFalls},
  {{18, 25, 31, 32},        3000,   7,     NoFallback, wreckFalls},
  {{20},                    2000,   7,     NoFallback, bombFalls},
  {{22, 27},                5000,   7,     NoFallback, bombFalls},
  {{34},                    3000,   29,    NoFallback, shardFlies},
  {{35},                    3000,   29,    NoFallback, burstAndShard},
  {{24},                    20000,  Mute,  NoFallback, wreckBurns},
  {{30},                    40000,  Mute,  NoFallback, wreckBurns},
  {{23},                    20000,  Mute,  NoFallback, midBossFalls},
  {{38},                    30000,  25,    1,          armBossFalls},
  {{42},                    20000,  Mute,  NoFallback, serpentHeadFalls},
};
constexpr DeathRow DefaultDeath =
  {{},                      1000,   3,     NoFallback, dustBurst};
// clang-format on

const DeathRow& deathRow(int32_t type) {
  if (type == 0) return DefaultDeath;
  for (const DeathRow& row : DeathRows) {
    for (int32_t t : row.types) {
      if (t == type) return row;
    }
  }
  return DefaultDeath;
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

void runDeathRow(Actor& a, int32_t newType) {
  const DeathRow& row = deathRow(newType);
  addScoreTimesLevel(row.points);
  playDeathSound(row);
  row.remains(a);
}
