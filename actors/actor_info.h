#pragma once
#include <cstdint>

#include "actors/actor_table.h"

// One row per actor type, in type order: what spawnActor gives the type, the routine that
// moves it, how it dies, and what the stage tool calls it.

struct SpriteFrame;
struct ModelFrame;
struct ControllerUpdate;
// The behaviour of a sprite, model or controller type, run once a frame from its kind's
// update.
using SpriteBehaviour = void (*)(Actor& a, SpriteFrame& f);
using ModelBehaviour = void (*)(Actor& a, ModelFrame& f);
using ControllerAction = void (*)(ControllerUpdate& u);

// The routine of the row's kind; the others are null, and so are all three for a type that
// does nothing of its own.
struct Behaviour {
  SpriteBehaviour sprite = nullptr;
  ModelBehaviour model = nullptr;
  ControllerAction controller = nullptr;
};

// What the spawn's start value sets.
enum class StartUse : uint8_t {
  Age,          // the starting age
  AgeAndParam,  // the starting age and param: controllers hand it on to what they emit
  ParamOnly,    // param alone; the age starts at 0 (emitters)
};

// Starting hit points at difficulty D and level L: base, plus trunc((D * slope + 1) * scale)
// when scale is non-zero, plus 1 when aboveLevel9 is set and L > 9.
struct HpRule {
  int32_t base;
  double slope;
  double scale;
  bool aboveLevel9;
};

constexpr int32_t Mute = -1;        // a death that makes no sound of its own
constexpr int32_t NoFallback = -1;  // a death sound dropped when every channel is busy

// How an actor dies: the points it scores (times the level), its sound, and what is left.
struct DeathRow {
  int32_t points;
  int32_t sound;
  int32_t fallbackChannel;  // cut when every channel is busy; NoFallback: the sound is dropped
  void (*remains)(Actor& a);
};

// The families the stage tool colours a timeline by.
enum class TypeFamily : uint8_t {
  Ground,      // model targets riding the ground
  Enemy,       // flying enemies and their shots
  Item,        // pick-ups and their carrier
  Boss,        // bosses, their parts and set pieces
  Controller,  // emitters, music, sound cues, stage end
  Unknown,
};

struct ActorInfo {
  int32_t type;  // the row's own number, as a check on the order
  const char* name;
  TypeFamily family;
  int32_t flags;  // kind, reaction and shape bytes (actorFlags)
  HpRule hp;
  double size[3];  // width, height, depth
  StartUse start;
  Behaviour behaviour;
  DeathRow death;
};

// The row of a type; a type outside 0..58 gets the row of type 0, which does nothing.
const ActorInfo& actorInfo(int32_t type);
int32_t startingHp(const HpRule& rule, double difficulty, int32_t level);
