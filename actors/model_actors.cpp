#include <cmath>

#include "actors/actor_info.h"
#include "actors/actor_table.h"
#include "actors/enemy_ops.h"
#include "actors/kind_updates.h"
#include "actors/model_actor.h"
#include "actors/sprite_actor.h"
#include "game/actor_type.h"
#include "game/effects.h"
#include "game/game_state.h"
#include "game/geometry.h"
#include "game/player.h"
#include "game/sound_effects.h"
#include "game/texture_slots.h"
#include "render/draw_queue.h"
#include "render/primitives.h"
#include "shell/audio.h"

// The actors drawn as lit models: the targets that ride the scrolling ground and the
// satellite a boss lets out on a tether. Each update moves the actor, queues its model
// (the queue lays its shadow) and, once its hit points are gone, dies by its type's death
// row.

namespace {
// The cone ahead of the player, 55 degrees either side of straight into the depth.
constexpr double ViewFrom = 0.6108652381805556;
constexpr double ViewTo = 2.5307274153194443;
constexpr double FarthestDrawn = 5000.0;
// Over the last 1000 units of depth or distance a model shrinks, and sinks as it recedes.
constexpr double FullSizeWithin = 4000.0;
constexpr double ShrinkPerUnit = 0.001;
constexpr double SinkPerUnit = 0.2;
// With the ground standing still the camera sits low: what is near it would fill the view.
constexpr double NearestWhileStill = 400.0;

constexpr int32_t GroundTargetLastAge = 1000;
constexpr double PassedZ = 100.0;
constexpr double GroundY = 480.0;

constexpr int32_t SatelliteModel = 0x10009;
constexpr int32_t OrbitEnds = 240;
constexpr int32_t DashEnds = 384;
constexpr int32_t SatelliteLastAge = 511;
constexpr double DashSpeed = 40.0;

bool inCone(const Actor& a) {
  double polar[2];
  polarTo(polar, 0.0, 0.0, a.pos[0], a.pos[2]);
  return polar[1] > ViewFrom && polar[1] < ViewTo;
}

ModelFrame beginFrame(Actor& a) {
  ModelFrame f;
  f.type = a.type;
  f.age = a.age;
  f.newType = a.type;
  f.model = a.sprite;
  a.age = wrappingAdd(a.age, 1);
  double diff[3];
  f.distance = directionTo(a.pos, ThePlayer.pos, diff, f.toPlayer);
  bool tooNear = Game.depthScroll == 0.0 && a.pos[2] < NearestWhileStill;
  f.drawn = inCone(a) && f.distance < FarthestDrawn && !tooNear;
  return f;
}

// The boss a satellite is tied to; nullptr when the link names no slot.
const Actor* tetherBoss(const Actor& a) {
  return a.link >= 0 && a.link < ActorCount ? &ActorTable[a.link] : nullptr;
}

// Circles the boss at the radius anchor x and the height anchor y, humming now and then;
// it dies with the boss.
void orbitBoss(Actor& a, int32_t age, const Actor* boss) {
  if (!boss || boss->type == ActorType::Empty) a.hp = 0;
  if (boss) {
    int32_t angle = wrappingTimes(4, age);
    a.pos[0] = cos256(angle) * a.anchor[0] + boss->pos[0];
    a.pos[1] = boss->pos[1] + a.anchor[1];
    a.pos[2] = sin256(angle) * a.anchor[0] + boss->pos[2];
  }
  if ((wrappingAdd(age, 24) & 63) == 0) playEffect(Sound::EnemyShot);
}

// The explosion sits on the ground, as wide as the tower is high.
void burstOnGround(Actor& a, int32_t effectSprite) {
  a.size[0] = a.size[1] * 0.8;
  a.pos[1] = GroundY - a.size[1];
  spawnEffect(EffectType::GroundBurst, effectSprite, a.pos, a.vel, a.size);
}

void drawModelActor(const Actor& a, const ModelFrame& f) {
  if (!f.drawn) return;
  double depthFactor = 1.0;
  if (a.pos[2] > FullSizeWithin) depthFactor = (FarthestDrawn - a.pos[2]) * ShrinkPerUnit;
  double distanceFactor = 1.0;
  double lift = 0.0;
  if (f.distance > FullSizeWithin) {
    distanceFactor = (FarthestDrawn - f.distance) * ShrinkPerUnit;
    lift = (f.distance - FullSizeWithin) * SinkPerUnit;
  }
  queueDraw(a.pos[0], a.pos[1] + lift, a.pos[2], distanceFactor * a.size[0],
            depthFactor * a.size[1], f.rotation, f.tint, f.model, ModelDrawKind);
}
}  // namespace

// Rides the ground toward the camera, but only while it scrolls, and goes once it has
// passed the camera or grown too old. A depth that is not a number has passed too, rather
// than holding its slot.
void rideGroundTarget(Actor& a, ModelFrame& f) {
  if (Game.depthScroll != 0.0) {
    a.pos[0] -= Game.sideScroll;
    a.pos[2] -= Game.depthScroll;
    moveActor(a);
  }
  if (f.age > GroundTargetLastAge || !(a.pos[2] >= PassedZ)) f.newType = ActorType::Empty;
}

void spinningTarget(Actor& a, ModelFrame& f) {
  f.rotation = wrappingAdd(wrappingTimes(5, f.age), 30);
  rideGroundTarget(a, f);
}

// Orbits, dashes at the player, flies back and dies, drawn at every step with its tether.
void tetheredSatellite(Actor& a, ModelFrame& f) {
  const Actor* boss = tetherBoss(a);
  double tether[3] = {-200.0, -200.0, 0.0};
  if (f.age < OrbitEnds) {
    orbitBoss(a, f.age, boss);
  } else if (f.age < DashEnds) {
    if (f.age == OrbitEnds) {
      for (int i = 0; i < 3; ++i) a.vel[i] = f.toPlayer[i] * DashSpeed;
    }
    moveActor(a);
    tether[0] = -128.0;
    tether[1] = 0.0;
  } else {
    vec3Sub(a.pos, a.vel);
    if (f.age >= SatelliteLastAge) a.hp = 0;
  }
  if (boss) {
    vec3Add(tether, boss->pos);
    drawLine(a.pos, tether, f.tint);
  }
  f.model = SatelliteModel;
  f.drawn = true;
}

// The death rows score and sound; these add what is particular to each target.
void towerBursts(Actor& a) {
  Game.difficulty += 0.01;
  burstOnGround(a, (signedRandom() & 7) == 0 ? TextureSlot::Blast : TextureSlot::Fireball);
}

// The armour's points come with the row, then those of the tower within.
void armouredTowerBursts(Actor& a) {
  Game.difficulty += 0.04;
  Game.difficulty += 0.01;
  addScoreTimesLevel(2000);
  burstOnGround(a, TextureSlot::Blast);
}

// The heavy target's points come with the row, then those of the burst.
void heavyTargetBursts(Actor& a) {
  addScoreTimesLevel(2000);
  spawnEffect(EffectType::GroundBurst, TextureSlot::Fireball, a.pos, a.vel, a.size);
}
int32_t updateModelActor(int32_t, int32_t slot, int32_t) {
  if (slot < 0 || slot >= ActorCount) return 0;
  Actor& a = ActorTable[slot];
  ModelFrame f = beginFrame(a);
  if (ModelBehaviour behave = actorInfo(f.type).behaviour.model) behave(a, f);
  drawModelActor(a, f);
  if (a.hp > 0) {
    a.type = f.newType;
    return f.newType;
  }
  runDeathRow(a, f.type);
  a.type = ActorType::Empty;
  return 0;
}
