#pragma once
#include <cstdint>

#include "actors/actor_table.h"
#include "actors/sprite_actor.h"

// The small operations the enemy behaviours (and the bosses) share: aiming, firing at the
// player, throwing pick-ups, steering and trails. Vectors are three doubles x, y, z.

// velocity = the unit vector from position toward the player times speed (zero when they
// coincide); answers the distance.
double aimVelocity(const double* position, double* velocity, double speed);
// A shooter's fire at the player.
struct AimedFire {
  int32_t type;    // the bullet's actor type
  int32_t sprite;  // and its texture slot
  int32_t period;  // a shot when the age is a multiple of it; below 1 never fires nor warns
  double speed;
  bool warn;  // shows the warning flash from 12 frames before each shot for 16 frames
};
// Fires a bullet at the player from position when age is a multiple of the period, two
// from level 8 on, with the shot sound.
int32_t fireAimed(const AimedFire& fire, int32_t age, const double* position);
// One shot now, whatever the fire's period.
void fireAimedNow(AimedFire fire, const double* position);
// Throws a pick-up of the type (an extra life, or a coin) from position
// toward the middle of the player's plane.
int32_t throwPickup(int32_t type, double speed, const double* position);
// The same, drawn as the bonus pick-up.
int32_t throwBonusPickup(int32_t type, double speed, const double* position);
// Turns velocity in the horizontal plane by step radians toward target.
void turnToward(const double* position, const double* target, double* velocity, double step);
// Heading of the vector (x, z) in radians, in [0, 2 pi).
double headingOf(double x, double z);
// v held between low and high.
double clampRange(double v, double high, double low);
// Drifting puffs of a picture, one when the age is a multiple of the period (never for a
// period below 1), size by size.
struct Puffs {
  int32_t sprite;
  int32_t period;
  double size;
};
int32_t emitEffectEvery(const Puffs& puffs, int32_t age, const double* position,
                        const double* velocity);

// Adds points times the level to the score.
void addScoreTimesLevel(int32_t points);

// Pieces of the behaviour rows.

// pos += vel.
void moveActor(Actor& a);
// Ends the actor when the condition holds.
void leaveWhen(SpriteFrame& f, bool condition);
// The usual way out: too old, or out of the cone ahead.
void standardExit(SpriteFrame& f);
// Shows the next picture while (age AND k) is 0.
void animate(SpriteFrame& f, int32_t k);
// A grey puff behind the actor when age is a multiple of the period: below is added to its
// y, and it drifts against the actor's motion, rising by rise.
struct Trail {
  int32_t period;
  double below;
  double rise;
};
void emitTrail(const Actor& a, int32_t age, const Trail& trail);
// Mirrors the picture while the actor moves right.
void faceMotion(const Actor& a, SpriteFrame& f);
// Leans by the angle while the actor is locked on.
void leanWhileLocked(const Actor& a, SpriteFrame& f, double degrees);
// The boss's hurt look: while the hp at entry is below n, green and blue fade to hp times
// factor and red stays full.
void redTintBelow(SpriteFrame& f, int32_t n, double factor);
// A fallen boss hands the stage to a stage-end controller at the boss's place, started at
// start (negative: that many frames before its fade begins).
void handStageToEnd(const Actor& boss, int32_t start);
// 1 when the level is above n, else 0: periods halve from a level on.
int32_t levelAbove(int32_t n);
// a * n on the wrapping int32 circle, as the 256-step angles of an age are taken.
int32_t wrappingTimes(int32_t n, int32_t a);
