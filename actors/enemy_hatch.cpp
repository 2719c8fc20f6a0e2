#include <iterator>

#include "actors/enemy_behaviours.h"
#include "actors/enemy_ops.h"
#include "game/actor_type.h"
#include "game/geometry.h"
#include "game/texture_slots.h"

// The armoured hatch: it flies in, opens every 128 frames to fire (shots reach its core only
// while it is open, otherwise they bounce off), then backs away and comes again. Its stage
// is kept in param.

namespace {
constexpr int32_t ShutSprite = 81;
constexpr int32_t AjarSprite = 82;
constexpr int32_t OpenSprite = 83;
constexpr int32_t OpenReaction = Reaction::Lockable;
constexpr int32_t ShutReaction = Reaction::Deflect;
constexpr double ComeInSpeed = 30.0;  // depth per frame
constexpr double BackOffSpeed = 20.0;
constexpr double Grey = 0.4;

// Every 128 frames: ajar, open, ajar, shut, with a shot at the middle of the opening.
void openAndClose(Actor& a, int32_t age) {
  if ((wrappingAdd(age, 24) & 127) == 0) a.sprite = AjarSprite;
  if ((wrappingAdd(age, 16) & 127) == 0) {
    a.sprite = OpenSprite;
    setActorReaction(a, OpenReaction);
  }
  if ((wrappingAdd(age, -16) & 127) == 0) {
    a.sprite = AjarSprite;
    setActorReaction(a, ShutReaction);
  }
  if ((wrappingAdd(age, -24) & 127) == 0) a.sprite = ShutSprite;
}

void comeIn(Actor& a, SpriteFrame& f) {
  a.pos[2] -= ComeInSpeed;
  if (f.age > 99) f.param = 1;
}

void glideIn(Actor& a, SpriteFrame& f) {
  moveActor(a);
  if (f.age > 119) f.param = 2;
}

void openAndFire(Actor& a, SpriteFrame& f) {
  openAndClose(a, f.age);
  fireAimed({.type = ActorType::SpinningBullet,
             .sprite = TextureSlot::OrangeOrb,
             .period = 128,
             .speed = 10.0,
             .warn = true},
            f.age, a.pos);
  if (f.age > 599) {
    f.param = 3;
    vec3Scale(a.vel, -1.0);
  }
}

void glideOut(Actor& a, SpriteFrame& f) {
  moveActor(a);
  if (f.age > 619) f.param = 4;
}

void backOff(Actor& a, SpriteFrame& f) {
  a.pos[2] += BackOffSpeed;
  if (f.age > 799) f.param = 1;
}

constexpr SpriteBehaviour HatchStages[] = {comeIn, glideIn, openAndFire, glideOut, backOff};
constexpr int32_t HatchStageCount = int32_t(std::size(HatchStages));
}  // namespace

void hatch(Actor& a, SpriteFrame& f) {
  if (f.param >= 0 && f.param < HatchStageCount) HatchStages[f.param](a, f);
  f.tint[0] = f.tint[1] = f.tint[2] = Grey;
  leaveWhen(f, f.age > 800 || a.pos[2] < 100.0);
}
