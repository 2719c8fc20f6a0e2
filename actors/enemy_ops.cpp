#include "actors/enemy_ops.h"

#include <cmath>

#include "game/actor_type.h"
#include "game/effects.h"
#include "game/game_state.h"
#include "game/geometry.h"
#include "game/player.h"
#include "game/sound_effects.h"
#include "game/texture_slots.h"
#include "render/draw_queue.h"
#include "render/texture_upload.h"
#include "shell/audio.h"

namespace {
constexpr int32_t WarningSlot = TextureSlot::WarningFlash;
constexpr int32_t WarningLead = 12;       // the flash starts this many frames before a shot
constexpr int32_t WarningFrames = 16;     // and shows for this many
constexpr double WarningSize = 64.0;      // half-extent of the flash
constexpr double WarningNearer = 16.0;    // drawn just in front of the shooter
constexpr int32_t SecondVolleyLevel = 7;  // above it a slower bullet goes with each shot
constexpr int32_t PickupSlot = 12;
constexpr int32_t CoinPickupSlot = 13;
constexpr int32_t BonusPickupSlot = 49;
constexpr double PickupTarget[3] = {0.0, 240.0, 0.0};  // the middle of the player's plane
constexpr int32_t TrailSlot = TextureSlot::SmokePuff;
constexpr double TrailSize = 64.0;
constexpr double HalfTurn = 3.1415926535;
constexpr double FullTurn = 6.283185307;
constexpr double QuarterTurn = 1.57079632675;
constexpr double ThreeQuarterTurn = 4.71238898025;

void queueWarningFlash(const double* position) {
  const double white[4] = {1.0, 1.0, 1.0, 1.0};
  queueDraw(position[0], position[1], position[2] - WarningNearer, WarningSize, WarningSize, 0.0,
            white, static_cast<int32_t>(textureForSlot(WarningSlot)), 0);
}

void throwToward(int32_t type, int32_t sprite, double speed, const double* position) {
  double diff[3];
  double vel[3];
  directionTo(position, PickupTarget, diff, vel);
  vec3Scale(vel, speed);
  spawnActor(type, sprite, 0, position, vel, PickupTarget);
  playEffect(Sound::PickUpThrown);
}
}  // namespace

double aimVelocity(const double* position, double* velocity, double speed) {
  double diff[3];
  double distance = directionTo(position, ThePlayer.pos, diff, velocity);
  vec3Scale(velocity, speed);
  return distance;
}

int32_t fireAimed(const AimedFire& fire, int32_t age, const double* position) {
  const int32_t period = fire.period;
  if (period < 1) return 0;
  if (fire.warn && wrappingAdd(age, WarningLead) % period < WarningFrames) {
    queueWarningFlash(position);
  }
  if (age % period != 0) return 0;
  const double noAnchor[3] = {0.0, 0.0, 0.0};
  double u[3];
  aimVelocity(position, u, fire.speed);
  if (Game.level > SecondVolleyLevel) spawnActor(fire.type, fire.sprite, 0, position, u, noAnchor);
  vec3Scale(u, Game.difficulty * 0.2 + 1.0);
  spawnActor(fire.type, fire.sprite, 0, position, u, noAnchor);
  playEffect(Sound::EnemyShot);
  return 0;
}

void fireAimedNow(AimedFire fire, const double* position) {
  fire.period = 1;
  fireAimed(fire, 1, position);
}

int32_t throwPickup(int32_t type, double speed, const double* position) {
  throwToward(type, type == ActorType::Coin ? CoinPickupSlot : PickupSlot, speed, position);
  return 0;
}

int32_t throwBonusPickup(int32_t type, double speed, const double* position) {
  throwToward(type, BonusPickupSlot, speed, position);
  return 0;
}

void turnToward(const double* position, const double* target, double* velocity, double step) {
  double a = headingOf(velocity[0], velocity[2]);
  double side = (target[0] - position[0]) * std::sin(-a) + (target[2] - position[2]) * std::cos(-a);
  double theta = side >= 0.0 ? step : -step;
  double vx = velocity[0];
  double vz = velocity[2];
  velocity[0] = vx * std::cos(theta) - vz * std::sin(theta);
  velocity[2] = vx * std::sin(theta) + vz * std::cos(theta);
}

double headingOf(double x, double z) {
  if (x == 0.0) return z < 0.0 ? ThreeQuarterTurn : QuarterTurn;
  double t = std::atan(z / x);
  if (x < 0.0) return t + HalfTurn;
  if (z < 0.0) return t + FullTurn;
  return t;
}

double clampRange(double v, double high, double low) {
  if (v > high) return high;
  if (v < low) return low;
  return v;
}

int32_t emitEffectEvery(const Puffs& puffs, int32_t age, const double* position,
                        const double* velocity) {
  if (puffs.period < 1 || age % puffs.period != 0) return 0;
  const double puffSize[3] = {puffs.size, puffs.size, puffs.size};
  spawnEffect(EffectType::Puff, puffs.sprite, position, velocity, puffSize);
  return 0;
}

void addScoreTimesLevel(int32_t points) {
  int64_t score = int64_t(points) * int64_t(Game.level);
  if (score > INT32_MAX) score = INT32_MAX;
  if (score < INT32_MIN) score = INT32_MIN;
  addScore(static_cast<int32_t>(score));
}

void moveActor(Actor& a) { vec3Add(a.pos, a.vel); }

void leaveWhen(SpriteFrame& f, bool condition) {
  if (condition) f.newType = ActorType::Empty;
}

void standardExit(SpriteFrame& f) { leaveWhen(f, f.age > 500 || !f.inView); }

void animate(SpriteFrame& f, int32_t k) {
  if ((f.age & k) == 0) f.drawSprite = saturatingAdd(f.drawSprite, 1);
}

void emitTrail(const Actor& a, int32_t age, const Trail& trail) {
  const double at[3] = {a.pos[0], a.pos[1] + trail.below, a.pos[2]};
  const double back[3] = {-a.vel[0], -a.vel[1] - trail.rise, -a.vel[2]};
  emitEffectEvery({.sprite = TrailSlot, .period = trail.period, .size = TrailSize}, age, at, back);
}

void faceMotion(const Actor& a, SpriteFrame& f) {
  if (a.vel[0] > 0.0) f.facing = -1.0;
}

void leanWhileLocked(const Actor& a, SpriteFrame& f, double degrees) {
  if (a.lockTimer >= 1) f.rotation = degrees;
}

void redTintBelow(SpriteFrame& f, int32_t n, double factor) {
  if (f.hpAtEntry >= n) return;
  f.tint[1] = f.tint[2] = f.hpAtEntry * factor;
}

void handStageToEnd(const Actor& boss, int32_t start) {
  constexpr int32_t FadeFrames = 200;
  spawnActorExt(ActorType::StageEnd, 0, start, 0, 0, FadeFrames, boss.pos, boss.vel, boss.anchor);
}

int32_t levelAbove(int32_t n) { return Game.level > n ? 1 : 0; }

int32_t wrappingTimes(int32_t n, int32_t a) {
  return static_cast<int32_t>(static_cast<uint32_t>(n) * static_cast<uint32_t>(a));
}
