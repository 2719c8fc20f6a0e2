#include "actors/enemy_behaviours.h"
#include "actors/enemy_ops.h"
#include "game/actor_type.h"
#include "game/geometry.h"
#include "game/texture_slots.h"

// The serpent: a head and a chain of segments, each linked to the one in front of it, all
// winding along the same path. Once the one in front is gone a segment wastes away, so a
// fallen head takes the chain down from front to back.

namespace {
constexpr int32_t SpritesFrom = 84;
constexpr int32_t SegmentSprite = 3;
constexpr int32_t WasteEachFrame = 1000;
constexpr int32_t QuietUntilAge = 127;
constexpr int32_t StageEndsAfter = -120;
constexpr int32_t NoRowOfItsOwn = ActorType::Empty;  // dies by the default row
constexpr AimedFire Fireballs = {.type = ActorType::SpinningBullet,
                                 .sprite = TextureSlot::GreenFireball,
                                 .period = 1,
                                 .speed = 15.0,
                                 .warn = true};

void slither(Actor& a, SpriteFrame& f, int32_t picture) {
  int32_t k = f.age / 4;
  a.pos[0] += cos256(k) * a.vel[0];
  a.pos[1] += sin256(k + 128);
  a.pos[2] -= sin256(k) * a.vel[2];
  a.pos[0] += cos256(wrappingTimes(2, f.age)) * 30.0;
  a.pos[1] += sin256(wrappingTimes(4, f.age)) * a.vel[1];
  f.drawSprite = SpritesFrom + picture;
}

// The third picture for the second half of every 1024 frames, else the first two in turn
// every 64.
int32_t headPicture(int32_t age) {
  if ((age & 512) != 0) return 2;
  return (age & 64) == 0 ? 1 : 0;
}
}  // namespace

void serpentHead(Actor& a, SpriteFrame& f) {
  if ((f.age & 512) == 0 && (f.age & 79) == 0 && f.age > QuietUntilAge) {
    fireAimedNow(Fireballs, a.pos);
  }
  redTintBelow(f, 10, 0.1);
  slither(a, f, headPicture(f.age));
}

void serpentSegment(Actor& a, SpriteFrame& f) {
  if (linkedActor(a) == nullptr) a.hp = saturatingAdd(a.hp, -WasteEachFrame);
  slither(a, f, SegmentSprite);
}

// The stage ends a while later; the head itself bursts like any other enemy.
void serpentHeadFalls(Actor& a) {
  handStageToEnd(a, StageEndsAfter);
  runDeathRow(a, NoRowOfItsOwn);
}
