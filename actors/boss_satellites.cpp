#include <cmath>

#include "actors/enemy_behaviours.h"
#include "actors/enemy_ops.h"
#include "game/actor_type.h"
#include "game/game_state.h"
#include "game/geometry.h"
#include "game/sound_effects.h"
#include "game/texture_slots.h"
#include "shell/audio.h"

// The boss that sheds satellites. It bobs in depth and height where it stands, fires in
// its quiet spells and lets out a satellite now and then; each satellite circles it on a
// breathing orbit until age 512, then breaks away and drifts with the ground toward the
// player. The boss's vel.x is the satellites' orbit radius, not a speed.

namespace {
constexpr AimedFire MagentaOrbs = {.type = ActorType::SpinningBullet,
                                   .sprite = TextureSlot::MagentaOrb,
                                   .period = 1,
                                   .speed = 15.0,
                                   .warn = true};
constexpr int32_t ReleaseAge = 512;
constexpr int32_t HurtBelow = 20;
constexpr double HurtFactor = 0.05;
constexpr double SwayDegrees = 30.0;

// Faster from level 11 on.
int32_t sheddingPeriod() { return Game.level <= 10 ? 40 : 30; }

void bob(Actor& a, int32_t age) {
  a.pos[2] -= sin256(age / 4) * a.vel[2];
  a.pos[1] -= sin256(wrappingTimes(2, age)) * a.vel[1];
}

// One of two satellite pictures, at random.
void shedSatellite(Actor& boss, int32_t slot) {
  int32_t picture = saturatingAdd(boss.sprite, (signedRandom() & 1) ? 1 : 2);
  int32_t s = spawnActor(ActorType::Satellite, picture, 0, boss.pos, boss.vel, boss.anchor);
  if (s < 0) return;
  ActorTable[s].link = slot;
  playEffect(Sound::Growl);
}

// The centre a satellite circles: its boss while tied, its own drifting anchor once free.
// A satellite whose boss is gone dies on its next update, circling until then the last
// place of the freed slot; one whose link names no slot stays where it is.
bool orbitCentre(Actor& a, const SpriteFrame& f, double* cx, double* cz) {
  if (f.age < ReleaseAge) {
    if (a.link < 0 || a.link >= ActorCount) {
      a.hp = 0;
      return false;
    }
    const Actor& boss = ActorTable[a.link];
    if (boss.type == ActorType::Empty) a.hp = 0;
    *cx = boss.pos[0];
    *cz = boss.pos[2];
    return true;
  }
  *cx = a.anchor[0];
  *cz = a.anchor[2];
  return true;
}

// At 512 the satellite keeps its place as its anchor, starts to sink or rise back toward
// the horizon and can be shot down at once; from then on it rides the ground.
void driftWithGround(Actor& a, const SpriteFrame& f) {
  if (f.age == ReleaseAge) {
    a.anchor[0] = a.pos[0];
    a.anchor[2] = a.pos[2];
    a.vel[1] = a.pos[1] * -0.01;
    a.hp = 1;
  }
  a.anchor[0] -= std::cos(f.viewAngle) * Game.depthScroll;
  a.anchor[2] -= std::sin(f.viewAngle) * Game.depthScroll;
  a.pos[1] += a.vel[1];
}
}  // namespace

void satelliteBoss(Actor& a, SpriteFrame& f) {
  bob(a, f.age);
  if ((f.age & 512) == 0 && (f.age & 159) == 0) fireAimedNow(MagentaOrbs, a.pos);
  if ((f.age & 256) == 0 && f.age % sheddingPeriod() == 0) shedSatellite(a, f.slot);
  redTintBelow(f, HurtBelow, HurtFactor);
  f.rotation = SwayDegrees * sin256(f.age);
}

void bossSatellite(Actor& a, SpriteFrame& f) {
  if (f.age >= ReleaseAge) driftWithGround(a, f);
  double cx = 0.0, cz = 0.0;
  if (orbitCentre(a, f, &cx, &cz)) {
    double r = (sin256(f.age / 4) + 1.0) * a.vel[0];
    int32_t angle = wrappingTimes(4, f.age);
    a.pos[0] = cos256(angle) * r + cx;
    a.pos[2] = sin256(angle) * r + cz;
  }
  leanWhileLocked(a, f, 10.0);
}
