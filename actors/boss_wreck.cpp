#include "actors/enemy_behaviours.h"
#include "actors/enemy_ops.h"
#include "game/actor_type.h"
#include "game/effects.h"
#include "game/game_state.h"
#include "game/geometry.h"
#include "game/sound_effects.h"
#include "game/texture_slots.h"
#include "shell/audio.h"

// What a fallen boss leaves: a wreck that smokes and crackles where the boss died, then
// drops out of the sky and hands the stage over to its end. From stage 3 on a figure
// drifts past the fall.

namespace {
constexpr double SmokeSize = 96.0;
constexpr int32_t FallsAtAge = 256;
constexpr int32_t StageEndsIn = -120;
constexpr double FallPlace[3] = {0.0, 352.0, 2000.0};
constexpr int32_t FigureFromStage = 3;
constexpr int32_t FigureSprite = 78;

// A puff thrown out sideways and up at random, drifting back toward the player.
void smoke(const Actor& a, int32_t age) {
  int32_t x = signedRandomMod(20);
  int32_t y = signedRandomMod(20);
  int32_t z = signedRandom() & 15;
  const double drift[3] = {double(x), double(y), -double(z)};
  emitEffectEvery({.sprite = TextureSlot::SmokePuff, .period = 1, .size = SmokeSize}, age, a.pos,
                  drift);
}

void fall(Actor& a, SpriteFrame& f) {
  spawnEffect(EffectType::Bomb, a.sprite, a.pos, a.vel, a.size);
  handStageToEnd(a, StageEndsIn);
  for (int i = 0; i < 3; ++i) a.pos[i] = FallPlace[i];
  a.vel[0] = a.vel[1] = 0.0;
  a.vel[2] = Game.depthScroll * -0.5;
  if (Game.stage >= FigureFromStage) {
    spawnActor(ActorType::Drifter, FigureSprite, 0, a.pos, a.vel, a.anchor);
  }
  f.newType = ActorType::Empty;
}
}  // namespace

// Stands where the boss fell; it never moves by its vel.
void burningWreck(Actor& a, SpriteFrame& f) {
  if ((f.age & 7) == 0) smoke(a, f.age);
  if ((f.age & 15) == 0) playEffect(Sound::Growl);
  if (f.age >= FallsAtAge) fall(a, f);
}

void leaveWreck(const Actor& boss) {
  int32_t s = spawnActor(ActorType::Wreck, boss.sprite, 1, boss.pos, boss.vel, boss.anchor);
  if (s < 0) return;
  for (int i = 0; i < 3; ++i) ActorTable[s].size[i] = boss.size[i];
}
