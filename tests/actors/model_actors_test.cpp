#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "game/effects.h"
#include "shell/audio.h"
#include "tests/actors/enemy_fixture.h"

namespace {

constexpr int32_t Model = 7;
constexpr int32_t SatelliteModel = 0x10009;
constexpr int32_t OrbitSound = 13;
constexpr double ViewFrom = 0.6108652381805556;
constexpr double ViewTo = 2.5307274153194443;

// Model actors walked frame by frame; the player is at (0, 400, 240).
class ModelActors : public EnemyTest {
 protected:
  // The models queued among the draws.
  static std::vector<DrawItem> models(const std::vector<DrawItem>& draws) {
    std::vector<DrawItem> found;
    for (const DrawItem& d : draws) {
      if (d.drawKind == ModelDrawKind) found.push_back(d);
    }
    return found;
  }
  // The one model queued by one walk.
  DrawItem walkOneModel() {
    std::vector<DrawItem> drawn = models(walk());
    EXPECT_EQ(drawn.size(), 1u);
    return drawn.empty() ? DrawItem{} : drawn[0];
  }
  // Whether a target at (x, y, z) is drawn on one walk.
  bool drawnAt(double x, double z) {
    resetActors();
    place(3, Model, 0, {x, 400, z});
    return !models(walk()).empty();
  }
  static int32_t orbitSounds() {
    std::vector<int32_t> asked = soundsAsked();
    return int32_t(std::count(asked.begin(), asked.end(), OrbitSound));
  }
  static const Effect& lastEffect() {
    return EffectTable[(EffectCursor + EffectTableSize - 1) % EffectTableSize];
  }
};

TEST_F(ModelActors, GroundTargetsRideTheScrollAndStandStillWhenItStops) {
  int32_t slot = place(1, Model, 0, {100, 400, 3000}, {1, 2, -3});
  walk(3);
  EXPECT_EQ(ActorTable[slot].pos[0], 100.0);
  EXPECT_EQ(ActorTable[slot].pos[2], 3000.0);
  EXPECT_EQ(ActorTable[slot].age, 3);

  Game.sideScroll = 5.0;
  Game.depthScroll = 30.0;
  walk(2);
  EXPECT_EQ(ActorTable[slot].pos[0], 100.0 - 10.0 + 2.0);
  EXPECT_EQ(ActorTable[slot].pos[1], 404.0);
  EXPECT_EQ(ActorTable[slot].pos[2], 3000.0 - 60.0 - 6.0);
  EXPECT_EQ(ActorTable[slot].type, 1);
}

TEST_F(ModelActors, GroundTargetsGoAfterAge1000OrOncePastDepth100WithoutScoring) {
  int32_t old = place(2, Model, 1000, {0, 400, 3000});
  Game.depthScroll = 10.0;
  int32_t near = place(4, Model, 0, {0, 300, 110});
  int32_t lost = place(3, Model, 0, {0, 300, std::numeric_limits<double>::quiet_NaN()});
  walk();
  EXPECT_EQ(ActorTable[old].type, 2);   // age 1000 is not yet too old
  EXPECT_EQ(ActorTable[near].type, 4);  // at 100 exactly it stays
  EXPECT_EQ(ActorTable[lost].type, 0);  // a depth that is no number has passed
  std::vector<DrawItem> last = models(walk());
  EXPECT_EQ(ActorTable[old].type, 0);
  EXPECT_EQ(ActorTable[near].type, 0);
  EXPECT_EQ(last.size(), 2u);  // drawn once more on the way out
  EXPECT_EQ(Game.score, 0);
  EXPECT_TRUE(soundsAsked().empty());
  EXPECT_EQ(EffectCursor, 0);
}

TEST_F(ModelActors, TheDrawFlagTakesTheConeAheadAndTheDistanceStrictly) {
  const double r = 2000.0;
  for (double edge : {ViewFrom, ViewTo}) {
    SCOPED_TRACE(edge);
    EXPECT_TRUE(drawnAt(r * std::cos(edge + 1e-7), r * std::sin(edge + 1e-7)) ==
                (edge == ViewFrom));
    EXPECT_TRUE(drawnAt(r * std::cos(edge - 1e-7), r * std::sin(edge - 1e-7)) == (edge == ViewTo));
  }
  EXPECT_TRUE(drawnAt(0, 240 + 4999.5));
  EXPECT_FALSE(drawnAt(0, 240 + 5000.0));
}

TEST_F(ModelActors, WhileTheGroundStandsStillNothingNearerThanDepth400IsDrawn) {
  EXPECT_FALSE(drawnAt(0, 399.5));
  EXPECT_TRUE(drawnAt(0, 400.0));
  Game.depthScroll = 1.0;
  EXPECT_TRUE(drawnAt(0, 399.5));
}

TEST_F(ModelActors, ModelsShrinkOverTheirLast1000UnitsOfDepthOrDistanceAndSink) {
  struct Case {
    double z;  // straight ahead of the player, at its height
    double sx, sy, y;
  };
  const Case cases[] = {
      {4000, 128, 128, 400},                // 3760 away: full size
      {4240, 128, 128 * 0.76, 400},         // 4000 away: only the depth tells
      {4740, 64, 128 * 0.26, 400 + 100.0},  // 4500 away: half width, 100 lower
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.z);
    resetActors();
    place(3, Model, 0, {0, 400, c.z});
    DrawItem d = walkOneModel();
    EXPECT_EQ(d.image, Model);
    EXPECT_EQ(d.z, c.z);
    EXPECT_DOUBLE_EQ(d.sx, c.sx);
    EXPECT_DOUBLE_EQ(d.sy, c.sy);
    EXPECT_DOUBLE_EQ(d.y, c.y);
    EXPECT_EQ(d.angle, 0.0);
  }
}

TEST_F(ModelActors, TheSpinningTargetTurnsFiveDegreesAFrameFrom30) {
  place(5, Model, 10, {0, 300, 2000});
  EXPECT_EQ(walkOneModel().angle, 80.0);
  EXPECT_EQ(walkOneModel().angle, 85.0);
  resetActors();
  place(5, Model, -6, {0, 300, 2000});
  EXPECT_EQ(walkOneModel().angle, 0.0);
}

// A boss that stays where it is put: a kind that is never updated and never touched.
class Satellites : public ModelActors {
 protected:
  static constexpr Vec3 BossAt = {100, 200, 3000};
  static constexpr Vec3 Tether = {300, 50, 0};  // orbit radius, height below the boss

  void SetUp() override {
    ModelActors::SetUp();
    boss_ = place(30, 0, 0, BossAt);
    ActorTable[boss_].flags = 0x030000;
  }
  int32_t release(int32_t start) {
    int32_t slot = place(29, 1, start, BossAt, {}, Tether);
    ActorTable[slot].link = boss_;
    return slot;
  }
  int32_t boss_ = -1;
};

TEST_F(Satellites, ItCirclesItsBossAndHumsEvery64Frames) {
  int32_t slot = release(0);
  const Actor& s = ActorTable[slot];
  DrawItem first = walkOneModel();
  EXPECT_EQ(first.image, SatelliteModel);
  EXPECT_DOUBLE_EQ(s.pos[0], BossAt.x + Tether.x);
  EXPECT_DOUBLE_EQ(s.pos[1], BossAt.y + Tether.y);
  EXPECT_DOUBLE_EQ(s.pos[2], BossAt.z);
  walk(16);                               // age 16: a quarter turn on
  EXPECT_NEAR(s.pos[0], BossAt.x, 1e-6);  // the table step is a rounded 256th of a turn
  EXPECT_NEAR(s.pos[2], BossAt.z + Tether.x, 1e-6);

  walk(23);  // through age 39
  EXPECT_EQ(orbitSounds(), 0);
  walk();
  EXPECT_EQ(orbitSounds(), 1);
  walk(199);  // through age 239: ages 40, 104, 168 and 232
  EXPECT_EQ(orbitSounds(), 4);
  walk(64);
  EXPECT_EQ(orbitSounds(), 4);  // silent once it has left the orbit
}

TEST_F(Satellites, ItDashesAtThePlayerFrom240FliesBackFrom384AndDiesAt511) {
  int32_t slot = release(239);
  const Actor& s = ActorTable[slot];
  walk();
  const double p239[3] = {s.pos[0], s.pos[1], s.pos[2]};
  double diff[3], unit[3];
  directionTo(p239, ThePlayer.pos, diff, unit);
  walk();  // age 240
  for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(s.vel[i], unit[i] * 40.0);
  walk(143);  // through age 383
  EXPECT_NEAR(s.pos[2], p239[2] + 144 * s.vel[2], 1e-6);
  walk();  // age 384: the way back
  EXPECT_NEAR(s.pos[2], p239[2] + 143 * s.vel[2], 1e-6);
  walk(126);  // through age 510
  EXPECT_EQ(s.type, 29);
  EXPECT_EQ(models(walk()).size(), 1u);  // age 511: its last picture
  EXPECT_EQ(s.type, 0);
  EXPECT_NEAR(s.pos[2], p239[2] + 16 * s.vel[2], 1e-6);
  EXPECT_EQ(Game.score, 2000);
}

TEST_F(Satellites, ItIsDrawnWhereverItIsEvenBehindTheCamera) {
  int32_t slot = release(300);
  ActorTable[slot].pos[2] = -50.0;
  ActorTable[slot].vel[2] = 0.0;
  EXPECT_EQ(walkOneModel().image, SatelliteModel);
}

TEST_F(Satellites, OneReleasedFromAFreedOrUnknownBossSlotDiesOnItsFirstUpdate) {
  for (int32_t link : {-1, ActorCount, std::numeric_limits<int32_t>::max(), boss_}) {
    SCOPED_TRACE(link);
    ActorTable[boss_].type = link == boss_ ? 0 : 30;
    Game.score = 0;
    int32_t slot = release(5);
    ActorTable[slot].link = link;
    walk();
    EXPECT_EQ(ActorTable[slot].type, 0);
    EXPECT_EQ(Game.score, 2000);
  }
}

TEST_F(Satellites, OnceOutOfTheOrbitItOutlivesItsBoss) {
  int32_t slot = release(300);
  ActorTable[boss_].type = 0;
  walk(3);
  EXPECT_EQ(ActorTable[slot].type, 29);
}

struct DeathCase {
  int32_t type;
  int32_t points;  // times the level
  double difficulty;
  int32_t sound;
  int32_t effectSlot;  // 0: 60, or 64 one time in eight
  bool onGround;
};

// clang-format off
const DeathCase Deaths[] = {
  // type points difficulty sound slot onGround
  {1,    2000,  0.01,      5,    0,   true},
  {2,    10000, 0.05,      5,    64,  true},
  {3,    2000,  0.0,       4,    60,  false},
  {4,    10000, 0.0,       4,    60,  false},
  {5,    10000, 0.0,       4,    60,  false},
  {29,   2000,  0.0,       4,    60,  false},
};
// clang-format on

TEST_F(ModelActors, EachTargetScoresTimesTheLevelWithItsSoundAndBurst) {
  for (int32_t seed = 1; seed <= 16; ++seed) {
    for (const DeathCase& c : Deaths) {
      SCOPED_TRACE(testing::Message() << "type " << c.type << " seed " << seed);
      resetActors();
      Game.score = 0;
      Game.difficulty = 1.0;
      Game.level = 3;
      forgetSoundsAsked();
      int32_t slot = place(c.type, 1, 5, {0, 300, 3000}, {0, 0, -1});
      ActorTable[slot].hp = c.type == 2 ? -4 : 0;
      ActorTable[slot].link = -1;  // a satellite without a boss stays where it is
      std::srand(seed);
      int32_t slotWanted = c.effectSlot;
      if (slotWanted == 0) slotWanted = (signedRandom() & 7) == 0 ? 64 : 60;
      std::srand(seed);
      EXPECT_EQ(models(walk()).size(), 1u);
      const Actor& a = ActorTable[slot];
      EXPECT_EQ(a.type, 0);
      EXPECT_EQ(Game.score, c.points * 3);
      EXPECT_NEAR(Game.difficulty, 1.0 + c.difficulty, 1e-12);
      EXPECT_EQ(soundsAsked(), std::vector<int32_t>{c.sound});
      const Effect& e = lastEffect();
      EXPECT_EQ(e.type, EffectType::GroundBurst);
      EXPECT_EQ(e.textureSlot, slotWanted);
      EXPECT_EQ(e.pos[1], c.onGround ? 480.0 - 400.0 : 300.0);
      EXPECT_EQ(e.size[0], c.onGround ? 320.0 : 128.0);
      EXPECT_EQ(e.vel[2], -1.0);
    }
  }
}

TEST_F(ModelActors, TheArmouredTowerCutsChannel1WhenEveryChannelIsBusy) {
  for (int32_t i = 0; i < MixChannels; ++i) playEffect(1);
  clearAudioLog();
  int32_t slot = place(2, 1, 5, {0, 300, 3000});
  ActorTable[slot].hp = 0;
  walk();
  ASSERT_EQ(TheAudioLog.count, 3);
  EXPECT_EQ(audioLogEntry(1).event, AudioEvent::ChannelCut);
  EXPECT_EQ(audioLogEntry(1).channel, 1);
  EXPECT_EQ(audioLogEntry(2).value, 5);
}

TEST_F(ModelActors, HostileStartsNeitherCrashNorHoldTheirSlotsForGood) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Vec3 vectors[] = {{nan, nan, nan}, {inf, -inf, inf}, {-1e308, 1e308, -1e308}};
  const int32_t ages[] = {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min(),
                          238, 510};
  Game.depthScroll = 20.0;
  Game.sideScroll = 1e308;
  for (int32_t type : {1, 2, 3, 4, 5, 29}) {
    for (const Vec3& v : vectors) {
      for (int32_t age : ages) {
        resetActors();
        int32_t slot = place(type, std::numeric_limits<int32_t>::min(), age, v, v, v);
        ActorTable[slot].link = age;
        walk(3);
        if (age == std::numeric_limits<int32_t>::max()) {
          EXPECT_EQ(ActorTable[slot].type, 0);
        }
      }
    }
  }
}
}  // namespace
