// The built-in stage scripts against the outline every stage keeps: its size, its music,
// the set pieces at their times, and waves that only release what the game can draw.
#include "actors/builtin_stages.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "actors/actor_info.h"
#include "game/actor_type.h"
#include "render/model_table.h"

namespace {
constexpr int32_t Any = INT_MIN;
namespace Type = ActorType;

bool isEmitter(const SpawnEntry& e) {
  return e.type >= Type::Emitter && e.type <= Type::LeadingEmitter;
}
bool isController(int32_t type) {
  return flagByte(actorInfo(type).flags, FlagByte::Kind) == ActorKind::Controller;
}

// The enemy types the emitters of the built-in stages may release.
const std::set<int32_t> EmittedTypes = {
    Type::Tower,          Type::ArmouredTower,  Type::FloatingTarget, Type::HeavyTarget,
    Type::SpinningTarget, Type::GroundRider,    Type::ArmouredRider,  Type::GroundWalker,
    Type::ArmouredWalker, Type::WeavingFighter, Type::WeavingDrone,   Type::SwingingFighter,
    Type::Swooper,        Type::Glider,         Type::Sentinel,       Type::Hopper,
    Type::Hunter,         Type::DivingRay,      Type::TorpedoDrone,   Type::Gunship,
    Type::GhostDrifter};

struct Notable {
  int32_t stage, time, type, sprite, start;
};
// The set pieces each stage must hold at their times (Any: the outline leaves it open).
const Notable NotableEntries[] = {
    {0, 6100, Type::DriftingFigure, 106, Any}, {0, 6300, Type::Carrier, Any, Any},
    {0, 7100, Type::MusicLoad, 6, Any},        {0, 7500, Type::SerpentLayout, Any, Any},
    {1, 4500, Type::DriftingFigure, 106, Any}, {1, 7200, Type::Carrier, Any, Any},
    {1, 7700, Type::Sentinel, Any, Any},       {1, 7710, Type::Sentinel, Any, Any},
    {1, 7720, Type::Sentinel, Any, Any},       {1, 8000, Type::MusicLoad, 6, Any},
    {1, 8300, Type::SatelliteBoss, Any, Any},  {2, 4000, Type::MidBoss, Any, Any},
    {2, 7100, Type::MusicLoad, 6, Any},        {2, 8000, Type::ArmBoss, Any, Any},
    {2, 11000, Type::Carrier, Any, Any},       {3, 500, Type::TunnelCeiling, Any, Any},
    {3, 5400, Type::Hatch, Any, Any},          {3, 5401, Type::Hatch, Any, Any},
    {3, 5402, Type::Hatch, Any, Any},          {3, 5403, Type::Hatch, Any, Any},
    {3, 5404, Type::Hatch, Any, Any},          {3, 5405, Type::Hatch, Any, Any},
    {3, 6150, Type::DriftingFigure, 106, Any}, {3, 6900, Type::MusicLoad, 6, Any},
    {3, 7180, Type::BombBoss, Any, -127},      {4, 200, Type::BonusCharacter, Any, Any},
    {4, 3600, Type::Drifter, Any, Any},        {5, 1000, Type::SerpentLayout, Any, Any},
    {6, 1000, Type::SatelliteBoss, Any, Any},  {7, 300, Type::BonusCharacter, Any, 10000},
    {7, 1000, Type::PlayerEvent, 8, Any},      {7, 1200, Type::Drifter, Any, Any},
};

const SpawnEntry* findEntry(const Notable& n) {
  const BuiltInStage& stage = BuiltInStages[n.stage];
  for (int32_t i = 0; i < stage.count; ++i) {
    const SpawnEntry& e = stage.entries[i];
    if (e.time == n.time && e.type == n.type) return &e;
  }
  return nullptr;
}
}  // namespace

TEST(BuiltInStagesTest, EachStageHasItsSizeItsMusicFirstAndTheEntryNeverReachedLast) {
  const int32_t used[StageCount] = {55, 58, 60, 77, 15, 22, 12, 9};
  const int32_t track[StageCount] = {1, 2, 3, 4, 5, 6, 0, 7};
  for (int32_t s = 0; s < StageCount; ++s) {
    const BuiltInStage& stage = BuiltInStages[s];
    ASSERT_EQ(stage.count, used[s]) << "stage " << s;
    const SpawnEntry& last = stage.entries[stage.count - 1];
    EXPECT_EQ(last.type, Type::Tower) << "stage " << s;
    EXPECT_EQ(last.time, 65000) << "stage " << s;
    if (s == 6) continue;
    EXPECT_EQ(stage.entries[0].type, Type::MusicLoad) << "stage " << s;
    EXPECT_EQ(stage.entries[0].sprite, track[s]) << "stage " << s;
    int32_t next = 1;
    while (stage.entries[next].type == Type::SoundCue) ++next;  // a sound cue may open the stage
    EXPECT_EQ(stage.entries[next].type, Type::MusicCommand) << "stage " << s;
  }
}

// Stage 6 plays on what stage 5 left loaded: it must never load a track of its own.
TEST(BuiltInStagesTest, TheSecondBossStageOnlyRestartsTheMusicAt600And1200) {
  const BuiltInStage& stage = BuiltInStages[6];
  std::set<int32_t> starts;
  for (int32_t i = 0; i < stage.count; ++i) {
    EXPECT_NE(stage.entries[i].type, Type::MusicLoad) << "entry " << i;
    if (stage.entries[i].type == Type::MusicCommand) starts.insert(stage.entries[i].time);
  }
  EXPECT_EQ(starts, (std::set<int32_t>{600, 1200}));
  EXPECT_EQ(stage.entries[0].type, Type::MusicCommand);
}

TEST(BuiltInStagesTest, EverySetPieceIsAtItsTimeWithItsSpriteAndStart) {
  for (const Notable& n : NotableEntries) {
    const SpawnEntry* e = findEntry(n);
    ASSERT_NE(e, nullptr) << "stage " << n.stage << " type " << n.type << " at " << n.time;
    if (n.sprite != Any) {
      EXPECT_EQ(e->sprite, n.sprite) << "stage " << n.stage << " " << n.time;
    }
    if (n.start != Any) {
      EXPECT_EQ(e->start, n.start) << "stage " << n.stage << " " << n.time;
    }
  }
  EXPECT_EQ(findEntry({3, 500, Type::TunnelCeiling, Any, Any})->lifetime, 2200)
      << "the tunnel ceiling";
  EXPECT_EQ(findEntry({2, 4000, Type::MidBoss, Any, Any})->aux, 20) << "the mid-boss's hit points";
}

// A boss placed beyond the field or behind the player is gone on its first frame; one of
// these with a zero orbit or swing stands still and never fights.
TEST(BuiltInStagesTest, BossesStartInsideTheFieldWithTheValuesTheyMoveBy) {
  for (const Notable& n : NotableEntries) {
    const SpawnEntry* e = findEntry(n);
    if (e == nullptr || isController(e->type)) continue;
    EXPECT_GT(e->pos[2], 240.0) << "stage " << n.stage << " type " << n.type;
    EXPECT_LT(e->pos[2], 6000.0) << "stage " << n.stage << " type " << n.type;
  }
  for (const Notable& n : NotableEntries) {
    const SpawnEntry* e = findEntry(n);
    if (e == nullptr) continue;
    if (e->type == Type::SatelliteBoss) {
      EXPECT_GE(e->vel[0], 100.0) << "satellite orbit, stage " << n.stage;
    }
    if (e->type == Type::SatelliteBoss || e->type == Type::ArmBoss) {
      EXPECT_GT(e->vel[2], 0.0) << "depth swing";
    }
    if (e->type == Type::BombBoss) {
      EXPECT_GT(e->pos[2] - 3750.0, 500.0) << "the bomber's closest pass";
    }
  }
}

// The emitters hand out only the cast the stages were drawn for, ground targets with a
// model that exists, and parameters the controllers can use: a leading emitter divides by
// the depth scroll (32) less its own z speed, a spread emitter by its anchor y and z plus 1.
TEST(BuiltInStagesTest, EmittersReleaseOnlyTheStageCastWithUsableParameters) {
  for (int32_t s = 0; s < StageCount; ++s) {
    const BuiltInStage& stage = BuiltInStages[s];
    for (int32_t i = 0; i < stage.count; ++i) {
      const SpawnEntry& e = stage.entries[i];
      if (!isEmitter(e)) continue;
      EXPECT_TRUE(EmittedTypes.count(e.sprite)) << "stage " << s << " entry " << i;
      if (e.sprite <= Type::SpinningTarget) {
        EXPECT_NE(findModel(e.aux), nullptr) << "stage " << s << " entry " << i;
      }
      EXPECT_GT(e.interval, 0) << "stage " << s << " entry " << i;
      EXPECT_GT(e.pos[2], 0.0) << "stage " << s << " entry " << i;
      EXPECT_LT(e.pos[2], 6000.0) << "stage " << s << " entry " << i;
      if (e.type == Type::LeadingEmitter) {
        EXPECT_GT(32.0 - e.vel[2], 0.0) << "stage " << s << " entry " << i;
      }
      if (e.type >= Type::SpreadEmitter && e.type <= Type::LeadingEmitter) {
        EXPECT_GE(e.anchor[1], 0.0) << "stage " << s << " entry " << i;
        EXPECT_GE(e.anchor[2], 0.0) << "stage " << s << " entry " << i;
      }
    }
  }
}

// A player who has cleared the fourth stage has met every kind of wave.
TEST(BuiltInStagesTest, TheFirstFourStagesBringOnTheWholeCast) {
  std::set<int32_t> met;
  for (int32_t s = 0; s <= 3; ++s) {
    const BuiltInStage& stage = BuiltInStages[s];
    for (int32_t i = 0; i < stage.count; ++i) {
      const SpawnEntry& e = stage.entries[i];
      met.insert(isEmitter(e) ? e.sprite : e.type);
    }
  }
  for (int32_t type : EmittedTypes) EXPECT_TRUE(met.count(type)) << "type " << type;
}
