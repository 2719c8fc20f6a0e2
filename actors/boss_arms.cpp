#include <cmath>
#include <initializer_list>

#include "actors/enemy_behaviours.h"
#include "actors/enemy_ops.h"
#include "game/actor_type.h"
#include "game/geometry.h"
#include "game/sound_effects.h"
#include "game/texture_slots.h"
#include "shell/audio.h"

// The boss with two arms. It grows each arm segment by segment over its first frames; the
// segments hang off it and sweep with its sway, and when it is gone they fly loose.

namespace {
constexpr int32_t ArmSprite = 34;
constexpr int32_t GrowUntilAge = 48;   // a segment an arm every 8 frames: six an arm
constexpr double ReachPerAge = 0.125;  // later segments hang farther out
constexpr double ArmSpan = 160.0;
constexpr double FiresBeyondZ = 1600.0;
constexpr double SwayPerAge = 0.01227184375;  // radians: a full sway every 512 frames
constexpr int32_t LooseSprite = 32;
constexpr double FallenY = 352.0;
constexpr int32_t FigureSprite = 106;
constexpr double FigureDrift = 20.0;
constexpr int32_t StageEndsAfter = -300;

void growArms(const Actor& boss, const SpriteFrame& f) {
  if (f.age >= GrowUntilAge || (f.age & 7) != 0) return;
  for (double side : {0.0, 1.0}) {
    const double reach[3] = {side, 0.0, f.age * ReachPerAge};
    int32_t s = spawnActor(ActorType::ArmSegment, ArmSprite, f.age, boss.pos, reach, boss.pos);
    if (s >= 0) ActorTable[s].link = f.slot;
  }
}

// Our choice: the speed grows with the boss's own depth, so shots from far away arrive in
// about the same time as near ones; a random 0 to 7 is added.
void fireFromAfar(const Actor& boss, const SpriteFrame& f) {
  if (boss.pos[2] <= FiresBeyondZ) return;
  double speed = 0.0025 * boss.pos[2] + (signedRandom() & 7);
  fireAimed({.type = ActorType::Bullet,
             .sprite = TextureSlot::VioletOrb,
             .period = 128 / (1 + levelAbove(6)),
             .speed = speed,
             .warn = false},
            f.age, boss.pos);
}

// A segment's place: its angle on the arm (vel.x picks the arm), the boss's sway in its
// anchor, scaled by how far out the segment hangs (vel.z).
void hangFrom(Actor& a, const Actor& boss, int32_t age) {
  int32_t k = 64 - age / 4;
  double out = a.vel[2] * ArmSpan;
  a.pos[0] = (cos256(k) * a.vel[0] + boss.anchor[0]) * out + boss.pos[0];
  a.pos[2] = (sin256(k) * a.vel[0] + boss.anchor[2]) * out + boss.pos[2];
}

void breakLoose(Actor& a, SpriteFrame& f) {
  a.age = 0;
  a.sprite = LooseSprite;
  f.newType = ActorType::TorpedoDrone;  // flies at the player on its own
  a.hp = 1;
  aimVelocity(a.pos, a.vel, (signedRandom() & 31) + 10);
  a.vel[0] += signedRandomMod(5);
  a.vel[1] = 0.0;
}
}  // namespace

void armBoss(Actor& a, SpriteFrame& f) {
  growArms(a, f);
  if ((wrappingAdd(f.age, -512) & 1023) == 0) playEffect(Sound::ChargeUp);
  fireFromAfar(a, f);
  a.anchor[0] = std::sin(f.age * SwayPerAge);
  a.anchor[2] = std::cos(f.age * SwayPerAge);
  a.pos[0] -= cos256(wrappingAdd(f.age, -42)) * a.vel[0];
  a.pos[2] -= sin256(f.age / 4) * a.vel[2];
  redTintBelow(f, 20, 0.1);
  animate(f, 8);
}

// Segments have more hit points than the boss, so they are normally still there when it
// falls, and fly at the player on their own.
void armSegment(Actor& a, SpriteFrame& f) {
  const Actor* boss = linkedActor(a);
  if (boss != nullptr && boss->type == ActorType::ArmBoss) {
    hangFrom(a, *boss, f.age);
  } else {
    breakLoose(a, f);
  }
  animate(f, 8);
}

// The stage ends a while later; the pilot bails out and drifts off sideways.
void armBossFalls(Actor& a) {
  handStageToEnd(a, StageEndsAfter);
  a.pos[1] = FallenY;
  const double drift[3] = {FigureDrift, 0.0, 0.0};
  spawnActor(ActorType::DriftingFigure, FigureSprite, 0, a.pos, drift, a.anchor);
}
