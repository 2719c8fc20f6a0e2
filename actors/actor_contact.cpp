// What an actor does to the player and the player's shots when they meet it, and the
// player's lock-on. Runs only on frames where the stage clock moved.
#include <cmath>
#include <iterator>

#include "actors/actor_table.h"
#include "game/actor_type.h"
#include "game/game_state.h"
#include "game/geometry.h"
#include "game/player.h"
#include "game/shots.h"
#include "game/sound_effects.h"
#include "shell/audio.h"

namespace {
constexpr double DeflectDifficulty = 0.002;
constexpr int32_t DeflectScore = 300;
constexpr int32_t DeflectSpread = 60;   // sideways speed -59..59
constexpr double DeflectSpeed = -30.0;  // up and back toward the camera
constexpr int32_t LockTime = 120;
constexpr double LockReach = 0.2;  // on screen, between the aim point and the actor

enum class ContactTest : uint8_t { None, Sphere, Cylinder };

struct ContactShape {
  ContactTest test;
  double radius;
  double halfHeight;  // cylinders only
};

// clang-format off
constexpr ContactShape ContactShapes[] = {
  // test                  radius  half-height
  {ContactTest::None,      0.0,    0.0},    // 0
  {ContactTest::Sphere,    128.0,  0.0},    // 1
  {ContactTest::Sphere,    64.0,   0.0},    // 2
  {ContactTest::Sphere,    0.0,    0.0},    // 3
  {ContactTest::Sphere,    0.0,    0.0},    // 4
  {ContactTest::Sphere,    0.0,    0.0},    // 5
  {ContactTest::Cylinder,  128.0,  512.0},  // 6
  {ContactTest::Cylinder,  128.0,  256.0},  // 7
  {ContactTest::Cylinder,  64.0,   128.0},  // 8
};
// clang-format on
// Any other shape: a sphere that nothing touches, but the actor can still be locked on.
constexpr ContactShape PointShape = {ContactTest::Sphere, 0.0, 0.0};

const ContactShape& contactShape(int32_t shape) {
  if (shape < 0 || shape >= int32_t(std::size(ContactShapes))) return PointShape;
  return ContactShapes[shape];
}

// Strictly inside: a point exactly at the radius or the half-height misses.
bool touches(const ContactShape& shape, const double* a, const double* b) {
  double dx = a[0] - b[0];
  double dy = a[1] - b[1];
  double dz = a[2] - b[2];
  if (shape.test == ContactTest::Cylinder) {
    return std::sqrt(dx * dx + dz * dz) < shape.radius &&
           dy * dy < shape.halfHeight * shape.halfHeight;
  }
  if (shape.test == ContactTest::Sphere)
    return std::sqrt(dx * dx + dy * dy + dz * dz) < shape.radius;
  return false;
}

int32_t hitHard(const Actor&) { return PlayerEvent::HitHard; }
int32_t hitSoft(const Actor&) { return PlayerEvent::HitSoft; }
int32_t pickUp(const Actor& a) {
  return a.type == ActorType::ExtraLife ? PlayerEvent::ExtraLife : PlayerEvent::Coin;
}

void loseHp(Actor& a) { a.hp = saturatingAdd(a.hp, -1); }

// The shot is spent; only a hit the actor survives makes a sound here, its death is
// sounded by its own update.
void takeShot(Actor& a, Shot& shot) {
  int32_t before = a.hp;
  loseHp(a);
  if (before > 1) playEffect(Sound::ShotHit);
  shot.state = ShotState::Free;
}

// Armour: the shot bounces off for points; a boss's blast stays a blast.
void deflectShot(Actor&, Shot& shot) {
  Game.difficulty += DeflectDifficulty;
  addScore(DeflectScore);
  if (shot.state == ShotState::Blast) return;
  shot.state = ShotState::Deflected;
  shot.vel[0] = signedRandomMod(DeflectSpread);
  shot.vel[1] = DeflectSpeed;
  shot.vel[2] = DeflectSpeed;
  playEffect(Sound::ArmourPing);
}

void takeShotAndDeflect(Actor& a, Shot& shot) {
  loseHp(a);
  deflectShot(a, shot);
}

struct ReactionRow {
  int32_t (*touch)(const Actor&);       // the event posted to the player; null posts none
  void (*shotHit)(Actor&, Shot& shot);  // null: shots pass through
  bool lockable;
};

// clang-format off
constexpr ReactionRow Reactions[] = {
  // touching the player  hit by a shot        lock-on
  {nullptr,               nullptr,             false},  // 0
  {hitHard,               takeShot,            true},   // 1
  {hitHard,               takeShotAndDeflect,  false},  // 2
  {hitHard,               takeShot,            false},  // 3
  {hitHard,               deflectShot,         false},  // 4
  {hitSoft,               nullptr,             false},  // 5
  {pickUp,                nullptr,             false},  // 6
};
// clang-format on

const ReactionRow& reactionOf(const Actor& a) {
  int32_t r = actorReaction(a);
  if (r < 0 || r >= int32_t(std::size(Reactions))) return Reactions[0];
  return Reactions[r];
}

void touchPlayer(const Actor& a, const ContactShape& shape, const ReactionRow& reaction) {
  if (!reaction.touch || !touches(shape, a.pos, ThePlayer.pos)) return;
  ThePlayer.event = reaction.touch(a);
}

// Deflected and free shots are no longer tested.
bool shotCanHit(const Shot& shot) {
  return shot.state == ShotState::Straight || shot.state == ShotState::Homing ||
         shot.state == ShotState::Blast;
}

void hitByShots(Actor& a, const ContactShape& shape, const ReactionRow& reaction) {
  if (!reaction.shotHit) return;
  for (Shot& shot : ShotTable) {
    if (shotCanHit(shot) && touches(shape, a.pos, shot.pos)) reaction.shotHit(a, shot);
  }
}

// Locks on when the actor lies on screen within reach of where the player aims.
void lockOn(int32_t slot, Actor& a, const ReactionRow& reaction) {
  if (!reaction.lockable || a.lockTimer >= 0) return;
  if (Game.lockCount < 0 || Game.lockCount >= LockListSize) return;
  const double* p = ThePlayer.pos;
  double aimX = p[0] * 0.9 / p[2];
  double aimY = p[1] * 0.8 / p[2];
  double screenX = a.pos[0] / a.pos[2];
  double screenY = (a.pos[2] - p[2] + a.pos[1]) / a.pos[2];
  double polar[2];
  polarTo(polar, aimX, aimY, screenX, screenY);
  if (!(polar[0] < LockReach)) return;
  a.lockTimer = LockTime;
  Game.lockList[Game.lockCount] = slot;
  Game.lockCount += 1;
  playEffect(Sound::LockOn);
}
}  // namespace

void actorContact(int32_t slot) {
  if (slot < 0 || slot >= ActorCount) return;
  Actor& a = ActorTable[slot];
  int32_t shape = actorShape(a);
  if (shape == 0) return;
  const ContactShape& contact = contactShape(shape);
  const ReactionRow& reaction = reactionOf(a);
  touchPlayer(a, contact, reaction);
  hitByShots(a, contact, reaction);
  lockOn(slot, a, reaction);
}
