#include "tools/stages/type_names.h"

namespace {
constexpr TypeFamily Ground = TypeFamily::Ground;
constexpr TypeFamily Enemy = TypeFamily::Enemy;
constexpr TypeFamily Item = TypeFamily::Item;
constexpr TypeFamily Boss = TypeFamily::Boss;
constexpr TypeFamily Controller = TypeFamily::Controller;

// clang-format off
constexpr TypeName TypeNames[] = {
  // type name                  family
  {0,  "empty",                 TypeFamily::Unknown},
  {1,  "tower",                 Ground},
  {2,  "armoured tower",        Ground},
  {3,  "floating target",       Ground},
  {4,  "heavy target",          Ground},
  {5,  "spinning target",       Ground},
  {6,  "ground rider",          Enemy},
  {7,  "armoured rider",        Enemy},
  {8,  "ground walker",         Enemy},
  {9,  "armoured walker",       Enemy},
  {10, "bullet",                Enemy},
  {11, "spinning bullet",       Enemy},
  {12, "trailing bullet",       Enemy},
  {13, "bomb",                  Enemy},
  {14, "carrier",               Item},
  {15, "weaving fighter",       Enemy},
  {16, "weaving drone",         Enemy},
  {17, "swinging fighter",      Enemy},
  {18, "hatch",                 Enemy},
  {19, "swooper",               Enemy},
  {20, "inert sprite",          Enemy},
  {21, "glider",                Enemy},
  {22, "sentinel",              Enemy},
  {23, "mid-boss",              Boss},
  {24, "satellite boss",        Boss},
  {25, "satellite",             Boss},
  {26, "hopper",                Enemy},
  {27, "stilt walker",          Enemy},
  {28, "hover fortress",        Enemy},
  {29, "tethered satellite",    Boss},
  {30, "bomb boss",             Boss},
  {31, "hunter",                Enemy},
  {32, "diving ray",            Enemy},
  {33, "drifting figure",       Enemy},
  {34, "torpedo drone",         Enemy},
  {35, "gunship",               Enemy},
  {36, "inert sprite",          Enemy},
  {37, "arm segment",           Boss},
  {38, "arm boss",              Boss},
  {39, "inert sprite",          Enemy},
  {40, "serpent layout",        Boss},
  {41, "serpent segment",       Boss},
  {42, "serpent head",          Boss},
  {43, "bonus character",       Boss},
  {44, "drifter",               Enemy},
  {45, "ghost drifter",         Enemy},
  {46, "wreck",                 Boss},
  {47, "extra life",            Item},
  {48, "coin",                  Item},
  {49, "emitter",               Controller},
  {50, "spread emitter",        Controller},
  {51, "spread emitter",        Controller},
  {52, "leading emitter",       Controller},
  {53, "tunnel ceiling",        Controller},
  {54, "sound cue",             Controller},
  {55, "stage end",             Controller},
  {56, "player event",          Controller},
  {57, "music load",            Controller},
  {58, "music command",         Controller},
};
// clang-format on
constexpr int32_t NameCount = int32_t(sizeof TypeNames / sizeof TypeNames[0]);
static_assert(NameCount == 59, "one row for each type 0..58");

constexpr TypeName UnknownType = {-1, "unknown type", TypeFamily::Unknown};
}  // namespace

const TypeName& typeName(int32_t type) {
  return type >= 0 && type < NameCount ? TypeNames[type] : UnknownType;
}
