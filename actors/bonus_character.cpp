#include "actors/bonus_trail.h"
#include "actors/enemy_behaviours.h"
#include "actors/enemy_ops.h"
#include "game/actor_type.h"
#include "game/game_state.h"
#include "game/geometry.h"
#include "game/player.h"
#include "game/shots.h"

// The bonus stages' character. It flies a fixed script by age: it swoops past the player
// and clears the stage, then spreads its trail, circles in front of the player for a long
// while blasting everything around it, gathers the trail again, throws a bonus coin and
// roams until it leaves. Where it is in the script is kept in param; nothing touches it.

namespace {
constexpr int32_t KeepParam = -1;
constexpr double TurnStep = 0.5235987755833333;  // 30 degrees
constexpr double CoinSpeed = 12.0;
constexpr int32_t PlainSprite = 108;
constexpr int32_t BrightSprite = 110;

void slowDown(Actor& a) {
  a.vel[0] *= 0.5;
  a.vel[1] = 0.0;
  a.vel[2] *= 0.5;
}

void speedUp(Actor& a) {
  a.vel[0] *= 3.0;
  a.vel[1] = 0.0;
  a.vel[2] *= 3.0;
}

void clearStage(Actor&) { ThePlayer.event = PlayerEvent::StageCleared; }

void throwCoin(Actor& a) { throwBonusPickup(ActorType::Coin, CoinSpeed, a.pos); }

void depart(Actor& a) {
  a.vel[0] = 4.0;
  a.vel[1] = -8.0;
  a.vel[2] = 10.0;
}

struct ScriptEvent {
  int32_t age;
  bool movesAnchor;
  double anchor[3];
  int32_t param;  // KeepParam leaves it
  void (*action)(Actor&);
};

// clang-format off
constexpr ScriptEvent Script[] = {
  // age   anchor moves  anchor             param      action
  {300,    true,  {-320.0, 0.0, 20.0},    KeepParam, nullptr},
  {330,    true,  {320.0, 0.0, 20.0},     KeepParam, slowDown},
  {380,    true,  {400.0, 0.0, 240.0},    KeepParam, clearStage},
  {450,    true,  {600.0, 0.0, 720.0},    KeepParam, nullptr},
  {500,    false, {},                     2,         nullptr},
  {600,    false, {},                     3,         nullptr},
  {2900,   true,  {-1600.0, 0.0, 2400.0}, 4,         speedUp},
  {3000,   false, {},                     5,         throwCoin},
  {3300,   true,  {1200.0, 0.0, 0.0},     KeepParam, nullptr},
  {10380,  false, {},                     KeepParam, clearStage},
  {10800,  false, {},                     KeepParam, depart},
};
// clang-format on

void runScript(Actor& a, SpriteFrame& f) {
  for (const ScriptEvent& e : Script) {
    if (e.age != f.age) continue;
    if (e.movesAnchor) {
      for (int32_t k = 0; k < 3; ++k) a.anchor[k] = e.anchor[k];
    }
    if (e.param != KeepParam) f.param = e.param;
    if (e.action) e.action(a);
  }
}

void steerEvery(Actor& a, int32_t age, int32_t mask) {
  if ((age & mask) == 0) turnToward(a.pos, a.anchor, a.vel, TurnStep);
}

// Each motion answers the trail spacing: how much further back in depth each follower is
// than the one in front.
double roam(Actor& a, int32_t age) {
  steerEvery(a, age, 15);
  return 0.0;
}

double spreadTrail(Actor&, int32_t age) { return (double(age) - 500.0) * 0.5; }

// Bobs in front of the player, keeping every free shot slot filled with blasts around
// itself, and steers twice as often toward a point that mirrors the camera sideways.
double circleAndBlast(Actor& a, int32_t age) {
  a.vel[1] = 3.0 * sin256(wrappingAdd(age, -216));
  fillFreeShotsWithBlasts(a.pos);
  a.anchor[0] = 2.0 * CameraFocus.x;
  a.anchor[2] = 480.0;
  steerEvery(a, age, 7);
  return 32.0;
}

double gatherTrail(Actor& a, int32_t age) {
  steerEvery(a, age, 15);
  return (3000.0 - double(age)) * 0.5;
}

struct Motion {
  int32_t param;
  double (*move)(Actor& a, int32_t age);
};

// clang-format off
constexpr Motion Motions[] = {
  {0, roam},
  {1, roam},
  {2, spreadTrail},
  {3, circleAndBlast},
  {4, gatherTrail},
  {5, roam},
};
// clang-format on

double moveByParam(Actor& a, const SpriteFrame& f) {
  for (const Motion& m : Motions) {
    if (m.param == f.param) return m.move(a, f.age);
  }
  return 0.0;
}

bool shinesAt(int32_t age) { return (age >= 451 && age <= 2999) || age >= 10431; }
}  // namespace

void bonusCharacter(Actor& a, SpriteFrame& f) {
  runScript(a, f);
  double spacing = moveByParam(a, f);
  moveActor(a);
  queueBonusTrail(a, f.age, spacing);
  f.drawSprite = shinesAt(f.age) ? BrightSprite : PlainSprite;
}
