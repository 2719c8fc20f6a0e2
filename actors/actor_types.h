#pragma once
#include <cstdint>

// The defaults spawnActor gives each actor type: flags, starting hit points, size, and
// what the spawn's start value becomes.

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

struct ActorTypeRow {
  uint64_t types;  // bit t set for every type t the row is for
  int32_t flags;   // kind, reaction and shape bytes
  HpRule hp;
  double size[3];  // width, height, depth
  StartUse start;
};

constexpr int32_t HighestActorType = 58;

// The row of a type; a type outside 0..58 gets the row of the types that do nothing.
const ActorTypeRow& actorTypeRow(int32_t type);
int32_t startingHp(const HpRule& rule, double difficulty, int32_t level);
