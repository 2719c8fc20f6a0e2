#include <iterator>

#include "actors/enemy_behaviours.h"
#include "actors/enemy_ops.h"
#include "game/actor_type.h"
#include "game/geometry.h"
#include "game/sound_effects.h"
#include "shell/audio.h"

// The boss with bombs and tethered satellites. It closes in, sways, then backs off
// dropping bombs, and turns to letting out a satellite every 512 frames before closing in
// again. Its phase is in param; each phase ends when age reaches a multiple of its span.

namespace {
constexpr int32_t BombSprite = 9;
constexpr int32_t SatelliteModel = 1;  // never drawn: the satellite draws its own model
constexpr int32_t HurtBelow = 20;
constexpr double HurtFactor = 0.05;

// Bombs are thrown up and out on a slow turn, and drift on into the depth.
void dropBomb(const Actor& a, int32_t age) {
  const double throwAt[3] = {20.0 * cos256((wrappingAdd(age, -1) / 2) & 127),
                             -20.0 * sin256((age / 2) & 127), 10.0};
  spawnActor(ActorType::Bomb, BombSprite, 1, a.pos, throwAt, a.anchor);
}

void tetherSatellite(const Actor& a, int32_t slot) {
  int32_t s = spawnActor(ActorType::TetheredSatellite, SatelliteModel, 0, a.pos, a.vel, a.anchor);
  if (s < 0) return;
  ActorTable[s].link = slot;
  playEffect(Sound::Growl);
}

void closeIn(Actor& a, SpriteFrame&) { a.pos[2] -= 15.625; }

void closeInBobbing(Actor& a, SpriteFrame& f) {
  a.pos[2] -= 13.671875;
  a.pos[1] -= sin256(wrappingTimes(2, f.age)) * a.vel[1];
}

void sway(Actor& a, SpriteFrame& f) {
  int32_t angle = wrappingTimes(2, f.age);
  a.pos[0] += cos256(angle) * 6.0;
  a.pos[1] -= 2.0 * sin256(angle);
}

void backOffBombing(Actor& a, SpriteFrame& f) {
  a.pos[0] += cos256(wrappingTimes(2, f.age)) * a.vel[0];
  a.pos[2] += 6.8359375;
  if ((f.age & 31) == 0) dropBomb(a, f.age);
}

// Opens up (the next picture) except while the satellite is out on its dash.
void letOutSatellites(Actor& a, SpriteFrame& f) {
  if ((wrappingAdd(f.age, -1) & 511) == 0) tetherSatellite(a, f.slot);
  int32_t phase = f.age & 511;
  if (phase <= 256 || phase >= 384) f.drawSprite = saturatingAdd(f.drawSprite, 1);
}

struct BomberPhase {
  void (*act)(Actor& a, SpriteFrame& f);
  int32_t span;  // the phase ends when (age AND span - 1) is 0
  int32_t next;
};

// clang-format off
constexpr BomberPhase BomberPhases[] = {
  // param  action             span  next
  /* 0 */  {closeIn,           128,  1},
  /* 1 */  {closeInBobbing,    128,  2},
  /* 2 */  {sway,              128,  3},
  /* 3 */  {backOffBombing,    256,  4},
  /* 4 */  {letOutSatellites,  512,  1},
};
// clang-format on
constexpr int32_t PhaseCount = int32_t(std::size(BomberPhases));
}  // namespace

void bomberBoss(Actor& a, SpriteFrame& f) {
  // A phase outside the table is never written here; such an actor only waits.
  if (f.param >= 0 && f.param < PhaseCount) {
    const BomberPhase& phase = BomberPhases[f.param];
    phase.act(a, f);
    if ((f.age & (phase.span - 1)) == 0) f.param = phase.next;
  }
  redTintBelow(f, HurtBelow, HurtFactor);
}
