#include "game/shots.h"

#include "game/actor_record.h"
#include "game/game_state.h"
#include "game/geometry.h"
#include "game/player.h"
#include "game/sound_effects.h"
#include "render/draw_queue.h"
#include "render/model_table.h"
#include "render/texture_upload.h"
#include "shell/audio.h"

Shot ShotTable[ShotCount];

namespace {
constexpr double ShotSpeed = 100.0;
constexpr double GroundLevel = 400.0;  // the player's lowest height: shots fly level there
constexpr double SpreadPerX = 0.2;
constexpr double ClimbPerY = 0.1;
constexpr int32_t StraightStartAge = 30;  // so a straight shot lives 62 updates, homing 92
constexpr int32_t LastAge = 90;           // freed by the update that finds it above this
constexpr int32_t SteerAfterAge = 10;     // a homing shot flies as launched until age 11
constexpr int32_t HomingLockTime = 180;
constexpr int32_t StraightTrailSlot = 11;
constexpr int32_t HomingTrailSlot = 10;
constexpr double TrailDepthOffset = 10.0;  // the trail sits just in front of the disc
constexpr double ShotWidth = 80.0;
constexpr double ShotHeight = 48.0;
constexpr double DegreesPerAge = 10.0;
constexpr int32_t BlastStartAge = 89;  // three updates before the age limit
constexpr double BlastSpeed = -10.0;
constexpr double BlastSpacing = 32.0;

// What one update of a shot works out before drawing it.
struct ShotLook {
  double blue;  // the glow's blue; its green flickers with the clock
};

int32_t lowestFreeShot() {
  for (int32_t slot = 0; slot < ShotCount; ++slot) {
    if (ShotTable[slot].state == ShotState::Free) return slot;
  }
  return ShotCount;
}

// The actor a homing shot follows; nullptr for a slot outside the table.
Actor* shotTarget(int32_t slot) {
  return slot >= 0 && slot < ActorCount ? &ActorTable[slot] : nullptr;
}

// Hands the next locked actor to the shot; its lock is held on while the shot flies,
// unless it had already run out, in which case the shot turns straight on its first update.
void sendHoming(Shot& shot) {
  int32_t target = Game.lockList[Game.lockNext];
  ++Game.lockNext;
  shot.target = target;
  shot.age = 0;
  if (Actor* actor = shotTarget(target)) {
    actor->lockTimer = actor->lockTimer > 0 ? HomingLockTime : 0;
  }
  shot.state = ShotState::Homing;
}

// The locks are used up: this shot flies straight and the list starts afresh.
void sendStraight(Shot& shot) {
  Game.lockCount = 0;
  Game.lockNext = 0;
  shot.age = StraightStartAge;
  shot.state = ShotState::Straight;
}

bool lockWaiting() {
  return Game.lockNext >= 0 && Game.lockNext < Game.lockCount && Game.lockNext < LockListSize;
}

void queueTrail(const Shot& shot, int32_t slot) {
  static constexpr double White[4] = {1.0, 1.0, 1.0, 1.0};
  queueDraw(shot.pos[0], shot.pos[1], shot.pos[2] - TrailDepthOffset, ShotWidth, ShotHeight,
            shot.age * DegreesPerAge, White, static_cast<int32_t>(textureForSlot(slot)), 0);
}

void updateStraight(Shot& shot, ShotLook& look) {
  queueTrail(shot, StraightTrailSlot);
  look.blue = 0.2;
}

// Steers from its 12th update on; gives up, keeping its course, once the lock runs out.
void updateHoming(Shot& shot, ShotLook& look) {
  Actor* target = shotTarget(shot.target);
  if (target && shot.age > SteerAfterAge) {
    double diff[3];
    directionTo(shot.pos, target->pos, diff, shot.vel);
    vec3Scale(shot.vel, ShotSpeed);
  }
  if (!target || target->lockTimer < 1) shot.state = ShotState::Straight;
  queueTrail(shot, HomingTrailSlot);
  look.blue = 0.1;
}

void updateBlast(ShotLook& look) { look.blue = 0.0; }
void updateDeflected(ShotLook& look) { look.blue = 0.8; }
void updateOther(ShotLook& look) { look.blue = 0.0; }

void updateByState(Shot& shot, ShotLook& look) {
  switch (shot.state) {
    case ShotState::Straight: updateStraight(shot, look); break;
    case ShotState::Homing: updateHoming(shot, look); break;
    case ShotState::Blast: updateBlast(look); break;
    case ShotState::Deflected: updateDeflected(look); break;
    default: updateOther(look); break;
  }
}

void updateShot(Shot& shot, int32_t clock) {
  ShotLook look{};
  updateByState(shot, look);
  vec3Add(shot.pos, shot.vel);
  double green = (clock & 1) ? 0.2 : 0.4;
  if (shot.state != ShotState::Blast) {
    double colour[4] = {1.0, green, look.blue, 1.0};
    queueDraw(shot.pos[0], shot.pos[1], shot.pos[2], ShotWidth, ShotHeight,
              shot.age * DegreesPerAge, colour, DiscModel, ModelDrawKind);
  }
  int32_t age = shot.age;
  shot.age = saturatingAdd(age, 1);
  if (age > LastAge) shot.state = ShotState::Free;
}
}  // namespace

int32_t fireShot(double x, double y, double z) {
  // Shots spread outward away from the centre line and climb with the player's height,
  // except under a ceiling.
  double vx = ThePlayer.pos[0] * SpreadPerX;
  double vy = Game.tunnelCeiling == 0.0 ? (ThePlayer.pos[1] - GroundLevel) * ClimbPerY : 0.0;
  int32_t slot = lowestFreeShot();
  playEffect(Sound::PlayerShot);
  if (slot == ShotCount) return ShotCount;
  Shot& shot = ShotTable[slot];
  if (lockWaiting()) {
    sendHoming(shot);
  } else {
    sendStraight(shot);
  }
  shot.pos[0] = x;
  shot.pos[1] = y;
  shot.pos[2] = z;
  shot.vel[0] = vx;
  shot.vel[1] = vy;
  shot.vel[2] = ShotSpeed;
  return slot;
}

int32_t updateShots(int32_t clock) {
  for (Shot& shot : ShotTable) {
    if (shot.state != ShotState::Free) updateShot(shot, clock);
  }
  return ShotCount;
}

int32_t fillFreeShotsWithBlasts(const double* centre) {
  int32_t made = 0;
  for (int32_t slot = 0; slot < ShotCount; ++slot) {
    Shot& shot = ShotTable[slot];
    if (shot.state != ShotState::Free) continue;
    shot.state = ShotState::Blast;
    shot.age = BlastStartAge;
    shot.target = 0;
    shot.pos[0] = centre[0] + (slot - ShotCount / 2) * BlastSpacing + BlastSpacing / 2;
    shot.pos[1] = centre[1];
    shot.pos[2] = centre[2];
    shot.vel[0] = 0.0;
    shot.vel[1] = 0.0;
    shot.vel[2] = BlastSpeed;
    ++made;
  }
  return made;
}

void resetShots() {
  for (Shot& s : ShotTable) s = Shot{};
}
