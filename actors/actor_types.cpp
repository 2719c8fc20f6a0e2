#include "actors/actor_types.h"

#include <array>
#include <initializer_list>
#include <iterator>

#include "game/geometry.h"

namespace {
constexpr uint64_t types(std::initializer_list<int32_t> list) {
  uint64_t bits = 0;
  for (int32_t t : list) bits |= uint64_t(1) << t;
  return bits;
}
constexpr uint64_t typeRange(int32_t first, int32_t last) {
  uint64_t bits = 0;
  for (int32_t t = first; t <= last; ++t) bits |= uint64_t(1) << t;
  return bits;
}

constexpr HpRule hp(int32_t n) { return {n, 0.0, 0.0, false}; }
constexpr HpRule hpAboveLevel9(int32_t n) { return {n, 0.0, 0.0, true}; }
constexpr HpRule hpByDifficulty(int32_t base, double slope, double scale) {
  return {base, slope, scale, false};
}
constexpr HpRule hpByDifficultyAboveLevel9(int32_t base, double slope, double scale) {
  return {base, slope, scale, true};
}

constexpr StartUse Age = StartUse::Age;

// clang-format off
constexpr ActorTypeRow ActorTypeRows[] = {
  // types                                  flags    hit points                                 size (w, h, d)   start value
  {types({1}),                              0x306,   hp(1),                                     {128, 400, 128}, Age},
  {types({2}),                              0x206,   hp(10),                                    {128, 400, 128}, Age},
  {types({3}),                              0x301,   hp(1),                                     {128, 128, 128}, Age},
  {types({4, 5, 29}),                       0x201,   hp(8),                                     {128, 128, 128}, Age},
  {types({6}),                              0x10301, hp(1),                                     {128, 128, 128}, Age},
  {types({7, 18}),                          0x10401, hp(1),                                     {128, 128, 128}, Age},
  {types({8, 21}),                          0x10307, hpAboveLevel9(1),                          {256, 256, 256}, Age},
  {types({9, 24}),                          0x10207, hpByDifficulty(1, 0.2, 20),                {256, 256, 256}, Age},
  {types({10, 11, 12, 13}),                 0x10502, hp(1),                                     {64, 64, 64},    Age},
  {types({14}),                             0x10307, hp(1),                                     {128, 256, 256}, Age},
  {types({15, 16, 17, 19, 22, 31, 32}),     0x10101, hp(1),                                     {128, 128, 128}, Age},
  {types({23}),                             0x10301, hp(20),                                    {128, 128, 128}, Age},
  {types({25}),                             0x10101, hp(2),                                     {128, 128, 128}, Age},
  {types({26}),                             0x10108, hp(1),                                     {64, 128, 128},  Age},
  {types({27}),                             0x10107, hp(1),                                     {128, 256, 128}, Age},
  {types({28, 35}),                         0x10107, hp(1),                                     {256, 256, 256}, Age},
  {types({30}),                             0x10207, hpByDifficulty(1 + 20, 0.2, 20),           {256, 256, 256}, Age},
  {types({34}),                             0x10107, hpAboveLevel9(1),                          {128, 256, 128}, Age},
  {types({37}),                             0x10107, hpByDifficultyAboveLevel9(1000, 0.2, 15),  {128, 256, 128}, Age},
  {types({38}),                             0x10107, hpByDifficultyAboveLevel9(1, 0.2, 15),     {128, 256, 128}, Age},
  {types({41}),                             0x10207, hpByDifficulty(8000 + 20, 0.2, 20),        {256, 256, 256}, Age},
  {types({42}),                             0x10107, hpByDifficulty(0, 0.1, 9),                 {256, 256, 256}, Age},
  {types({45}),                             0x10000, hp(1),                                     {64, 128, 128},  Age},
  {types({47, 48}),                         0x10601, hp(1),                                     {64, 64, 64},    Age},
  {types({40}) | typeRange(53, 58),         0x20000, hp(1),                                     {128, 128, 128}, StartUse::AgeAndParam},
  {typeRange(49, 52),                       0x20000, hp(1),                                     {128, 128, 128}, StartUse::ParamOnly},
  {types({0, 20, 33, 36, 39, 43, 44, 46}),  0x10000, hp(1),                                     {128, 128, 128}, Age},
};
// clang-format on
constexpr int32_t RowCount = int32_t(std::size(ActorTypeRows));
// Types above 58 (and below 0) share the last row.
constexpr int32_t DefaultRow = RowCount - 1;

constexpr int32_t rowsHolding(int32_t type) {
  int32_t n = 0;
  for (const ActorTypeRow& row : ActorTypeRows) n += (row.types >> type) & 1;
  return n;
}
constexpr bool everyTypeInOneRow() {
  for (int32_t t = 0; t <= HighestActorType; ++t) {
    if (rowsHolding(t) != 1) return false;
  }
  return true;
}
static_assert(everyTypeInOneRow(), "each type 0..58 belongs to exactly one row");

constexpr std::array<uint8_t, HighestActorType + 1> rowOfType() {
  std::array<uint8_t, HighestActorType + 1> index{};
  for (int32_t t = 0; t <= HighestActorType; ++t) {
    for (int32_t r = 0; r < RowCount; ++r) {
      if ((ActorTypeRows[r].types >> t) & 1) index[t] = uint8_t(r);
    }
  }
  return index;
}
constexpr std::array<uint8_t, HighestActorType + 1> RowOfType = rowOfType();
}  // namespace

const ActorTypeRow& actorTypeRow(int32_t type) {
  if (type < 0 || type > HighestActorType) return ActorTypeRows[DefaultRow];
  return ActorTypeRows[RowOfType[type]];
}

int32_t startingHp(const HpRule& rule, double difficulty, int32_t level) {
  int32_t hp = rule.base;
  if (rule.scale != 0.0) {
    hp = saturatingAdd(hp, truncInt32((difficulty * rule.slope + 1) * rule.scale));
  }
  if (rule.aboveLevel9 && level > 9) hp = saturatingAdd(hp, 1);
  return hp;
}
