#include "actors/actor_table.h"
#include "actors/kind_updates.h"
#include "actors/sprite_actor.h"
#include "game/actor_type.h"
#include "game/geometry.h"
#include "render/draw_queue.h"
#include "render/primitives.h"
#include "render/texture_upload.h"

// The frame every sprite actor goes through: its type's behaviour, the edges of the field,
// death, and its picture with a shadow on the ground.

namespace {
constexpr double FarthestZ = 6000.0;
// The cone ahead of the player, 55 degrees either side of straight into the depth.
constexpr double ViewFrom = 0.6108652381805556;
constexpr double ViewTo = 2.5307274153194443;
constexpr double NearestInView = 160.0;
constexpr double ShadowPlaneY = 472.0;

SpriteFrame beginFrame(Actor& a, int32_t slot) {
  SpriteFrame f;
  f.slot = slot;
  f.age = a.age;
  f.hpAtEntry = a.hp;
  f.param = a.param;
  f.width = a.size[0];
  f.height = a.size[1];
  f.drawSprite = a.sprite;
  f.newType = a.type;
  double polar[2];
  polarTo(polar, 0.0, 0.0, a.pos[0], a.pos[2]);
  f.viewAngle = polar[1];
  f.inView = polar[1] > ViewFrom && polar[1] < ViewTo && a.pos[2] > NearestInView;
  a.age = wrappingAdd(a.age, 1);
  return f;
}

// Beyond the far edge or behind the camera. A depth that is not a number is nowhere in the
// field either, so such an actor goes instead of holding its slot for good.
bool outsideField(const Actor& a) { return !(a.pos[2] >= 0.0 && a.pos[2] <= FarthestZ); }

// Drawn also in the frame it dies or leaves in.
void drawSpriteActor(const Actor& a, const SpriteFrame& f) {
  uint32_t texture = textureForSlot(f.drawSprite);
  queueDraw(a.pos[0], a.pos[1], a.pos[2], f.width * f.facing, f.height, f.rotation, f.tint,
            static_cast<int32_t>(texture), 0);
  drawShadow(a.pos[0], ShadowPlaneY, a.pos[2], f.width, f.width);
}
}  // namespace

int32_t updateSpriteActor(int32_t, int32_t slot, int32_t) {
  if (slot < 0 || slot >= ActorCount) return 0;
  Actor& a = ActorTable[slot];
  SpriteFrame f = beginFrame(a, slot);
  if (SpriteBehaviour behave = actorInfo(a.type).behaviour.sprite) behave(a, f);
  if (outsideField(a)) f.newType = ActorType::Empty;
  if (f.hpAtEntry <= 0) {
    runDeathRow(a, f.newType);
    f.newType = ActorType::Empty;
  }
  drawSpriteActor(a, f);
  if (f.newType == ActorType::Empty) a.lockTimer = 0;
  a.type = f.newType;
  a.param = f.param;
  return f.newType;
}
