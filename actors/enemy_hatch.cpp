#include <iterator>

#include "actors/enemy_behaviours.h"
#include "actors/enemy_ops.h"
#include "game/geometry.h"

// The armoured hatch: it flies in, opens every 128 frames to fire (shots reach its core only
// while it is open, otherwise they bounce off), then backs away and comes again. Its stage
// is kept in param.

namespace {
constexpr int32_t ShutSprite = 81;
constexpr int32_t AjarSprite = 82;
constexpr int32_t OpenSprite = 83;
constexpr int32_t OpenReaction = 1;   // hit and locked on
constexpr int32_t ShutReaction = 4;   // shots bounce off
constexpr double ComeInSpeed = 30.0;  // depth per frame
constexpr double BackOffSpeed = 20.0;
constexpr double Grey = 0.4;

void setReaction(Actor& a, int32_t reaction) {
  a.flags = (a.flags & ~0xFF00) | ((reaction & 0xFF) << 8);
}

// Every 128 frames: ajar, open, ajar, shut, with a shot at the middle of the opening.
void openAndClose(Actor& a, int32_t age) {
  if ((wrappingAdd(age, 24) & 127) == 0) a.sprite = AjarSprite;
  if ((wrappingAdd(age, 16) & 127) == 0) {
    a.sprite = OpenSprite;
    setReaction(a, OpenReaction);
  }
  if ((wrappingAdd(age, -16) & 127) == 0) {
    a.sprite = AjarSprite;
    setReaction(a, ShutReaction);
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
  fireAimed(11, 1, f.age, 128, 10.0, a.pos, 1);
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
