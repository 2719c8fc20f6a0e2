#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <map>
#include <vector>

#include "actors/actor_table.h"
#include "actors/kind_updates.h"
#include "game/game_flow.h"
#include "game/game_state.h"
#include "game/player.h"
#include "shell/audio.h"
#include "tests/support/play_fixture.h"
#include "tests/support/temp_folder.h"

namespace {
// What the controllers emit is left standing, whatever its own behaviour, so that a test
// sees exactly where and when it was placed.
int32_t controllersOnly(int32_t clock, int32_t slot, int32_t sameClock) {
  Actor& a = ActorTable[slot];
  return actorKind(a) == 2 ? updateController(clock, slot, sameClock) : a.type;
}

constexpr int32_t Standing = 39;  // a type with no behaviour of its own
const double Zero[3] = {0.0, 0.0, 0.0};

class Controllers : public PlayTablesTest {
 protected:
  void SetUp() override {
    PlayTablesTest::SetUp();
    SpawnCursor = 0;
    PreviousWalkClock = 0;
    Game.level = 1;
    Game.depthScroll = 32.0;
    CameraFocus = {0.0, 400.0};
    ThePlayer.pos[1] = 400.0;
    ThePlayer.pos[2] = 240.0;
    KindUpdateStandIn = controllersOnly;
  }
  void TearDown() override {
    KindUpdateStandIn = nullptr;
    PlayTablesTest::TearDown();
  }

  // Places a controller as a stage entry does; answers its slot.
  int32_t place(int32_t type, int32_t sprite, int32_t start, int32_t aux, int32_t interval,
                int32_t lifetime, const double* pos = Zero, const double* vel = Zero,
                const double* anchor = Zero) {
    spawnActorExt(type, sprite, start, aux, interval, lifetime, pos, vel, anchor);
    return SpawnCursor - 1;
  }
  // Frames of play: the clock moves on each, and a stage asked for starts after the walk.
  void walk(int32_t frames = 1) {
    for (int32_t i = 0; i < frames; ++i) {
      actorWalk(++clock_);
      startRequestedStage();
    }
  }
  static std::vector<const Actor*> liveOf(int32_t type) {
    std::vector<const Actor*> found;
    for (const Actor& a : ActorTable) {
      if (a.type == type) found.push_back(&a);
    }
    return found;
  }
  // The frames (1 = the controller's first update) on which a new actor of the type appeared.
  std::vector<int32_t> emissionFrames(int32_t type, int32_t frames) {
    std::vector<int32_t> at;
    size_t seen = liveOf(type).size();
    for (int32_t f = 1; f <= frames; ++f) {
      walk();
      for (size_t n = liveOf(type).size(); seen < n; ++seen) at.push_back(f);
    }
    return at;
  }

  int32_t clock_ = 0;
};

TEST_F(Controllers, AnEmitterEmitsEveryIntervalUpToAndIncludingItsLifetime) {
  const double pos[3] = {10, 200, 4000}, vel[3] = {0, 0, -16}, anchor[3] = {1, 2, 3};
  int32_t c = place(49, Standing, 7, 100, 16, 48, pos, vel, anchor);
  EXPECT_EQ(emissionFrames(Standing, 60), (std::vector<int32_t>{1, 17, 33, 49}));
  EXPECT_EQ(ActorTable[c].type, 0);
  const Actor& a = *liveOf(Standing)[0];
  EXPECT_EQ(a.sprite, 100);
  EXPECT_EQ(a.age, 7);
  EXPECT_EQ(a.pos[2], 4000.0);
  EXPECT_EQ(a.vel[2], -16.0);
  EXPECT_EQ(a.anchor[1], 2.0);
}

TEST_F(Controllers, AnEntryIntervalOfZeroEmitsOnlyAtAgeZero) {
  place(49, Standing, 0, 0, 0, 1000);
  EXPECT_EQ(emissionFrames(Standing, 1000), std::vector<int32_t>{1});
}

TEST_F(Controllers, EmittersNeitherEmitNorAgeWhileTheClockStands) {
  int32_t c = place(49, Standing, 0, 0, 4, 100);
  walk();
  for (int32_t i = 0; i < 20; ++i) actorWalk(clock_);
  EXPECT_EQ(ActorTable[c].age, 1);
  EXPECT_EQ(liveOf(Standing).size(), 1u);
  walk(3);
  EXPECT_EQ(liveOf(Standing).size(), 1u);
  walk();
  EXPECT_EQ(liveOf(Standing).size(), 2u);
}

TEST_F(Controllers, AControllerWhoseLifetimeIsReachedActsOnceAndEnds) {
  for (int32_t lifetime : {0, -5, INT_MIN}) {
    int32_t c = place(49, Standing, 0, 0, 1, lifetime);
    walk(3);
    EXPECT_EQ(ActorTable[c].type, 0) << lifetime;
  }
  EXPECT_EQ(liveOf(Standing).size(), 3u);
  // A serpent layout starting past its lifetime lays one segment, not a head.
  place(40, 0, 70, 0, 7, 64);
  walk(3);
  EXPECT_EQ(liveOf(41).size(), 1u);
  EXPECT_EQ(liveOf(42).size(), 0u);
}

TEST_F(Controllers, TheSerpentLayoutPlacesAHeadAndNineSegmentsInAChain) {
  const double pos[3] = {0, 300, 5000};
  int32_t c = place(40, 0, 0, 0, 7, 64, pos);
  ActorTable[c].link = -1;
  walk(70);
  ASSERT_EQ(liveOf(42).size(), 1u);
  ASSERT_EQ(liveOf(41).size(), 9u);
  // From the last segment placed back to the head, which keeps the controller's old link.
  int32_t s = ActorTable[c].link;
  for (int32_t k = 0; k < 9; ++k) {
    ASSERT_GE(s, 0);
    EXPECT_EQ(ActorTable[s].type, 41);
    EXPECT_EQ(ActorTable[s].sprite, 1);
    EXPECT_EQ(ActorTable[s].pos[2], 5000.0);
    s = ActorTable[s].link;
  }
  ASSERT_GE(s, 0);
  EXPECT_EQ(ActorTable[s].type, 42);
  EXPECT_EQ(ActorTable[s].link, -1);
}

TEST_F(Controllers, SpreadEmittersScatterOnlyOnAxesWithADivisorOfAtLeastOne) {
  const double pos[3] = {50, 300, 4000};
  const double none[3] = {0, 0, 0};
  place(50, Standing, 0, 0, 1, 19, pos, Zero, none);
  walk(20);
  for (const Actor* a : liveOf(Standing)) {
    EXPECT_EQ(a->pos[0], 50.0);
    EXPECT_EQ(a->pos[1], 300.0);
    EXPECT_EQ(a->pos[2], 4000.0);
  }
  for (Actor& a : ActorTable) a.type = 0;
  // y spreads by whole numbers below 10; z has a divisor below 1 (NaN, negative, 0.5).
  for (double z : {double(NAN), -7.0, -0.5}) {
    const double spread[3] = {8, 9, z};
    place(51, Standing, 0, 0, 1, 19, pos, Zero, spread);
  }
  walk(20);
  std::vector<const Actor*> wave = liveOf(Standing);
  ASSERT_EQ(wave.size(), 60u);
  bool spreadInY = false;
  for (const Actor* a : wave) {
    EXPECT_LT(std::fabs(a->pos[0] - 50.0), 8.0);
    double dy = a->pos[1] - 300.0;
    EXPECT_LT(std::fabs(dy), 10.0);
    EXPECT_EQ(dy, std::trunc(dy));
    spreadInY = spreadInY || dy != 0.0;
    EXPECT_EQ(a->pos[2], 4000.0);
  }
  EXPECT_TRUE(spreadInY);
}

TEST_F(Controllers, TheLeadingEmitterPlacesItsWaveAheadOfThePlayersDrift) {
  ThePlayer.pos[0] = 100.0;
  CameraFocus.x = 20.0;
  const double pos[3] = {-999, 300, 4800}, closing[3] = {0, 0, -16};
  place(52, Standing, 0, 0, 100, 0, pos, closing);
  walk();
  // Twice the drift of 80, plus 4800 / 48 frames to meet, times 100 / 16.
  EXPECT_EQ(liveOf(Standing).at(0)->pos[0], 160.0 + 625.0);
  EXPECT_EQ(liveOf(Standing).at(0)->pos[1], 300.0);
  // A wave keeping pace with the ground never arrives: no lead, and no division by zero.
  for (Actor& a : ActorTable) a.type = 0;
  const double pace[3] = {0, 0, 32};
  place(52, Standing, 0, 0, 100, 0, pos, pace);
  walk();
  EXPECT_EQ(liveOf(Standing).at(0)->pos[0], 160.0);
}

TEST_F(Controllers, TheTunnelCeilingComesDownHoldsAndGoesUp) {
  int32_t c = place(53, 0, 0, 0, 1, 2200);
  std::map<int32_t, double> at;  // age -> ceiling after that age's update
  for (int32_t age = 0; age <= 2200; ++age) {
    walk();
    at[age] = Game.tunnelCeiling;
  }
  EXPECT_EQ(at[60], 60.0);
  EXPECT_EQ(at[120], 120.0);
  EXPECT_EQ(at[2079], 120.0);
  EXPECT_EQ(at[2080], 120.0);
  EXPECT_EQ(at[2140], 60.0);
  EXPECT_EQ(at[2200], 0.0);
  EXPECT_EQ(ActorTable[c].type, 0);
}

TEST_F(Controllers, TheStageEndClearsTheStageFadesOutAndStartsTheNextStage) {
  Game.stage = 7;
  place(15, 0, 0, 0, 0, 0);
  int32_t c = place(55, 0, -120, 0, 0, 200);
  std::vector<int32_t> clearedAtAge;
  std::map<int32_t, double> fade;
  for (int32_t age = -120; age < 200; ++age) {
    walk();
    if (ThePlayer.event == PlayerEvent::StageCleared) clearedAtAge.push_back(age);
    ThePlayer.event = PlayerEvent::None;
    fade[age] = Game.fadeLevel;
  }
  EXPECT_EQ(clearedAtAge, std::vector<int32_t>{0});
  EXPECT_EQ(soundsAsked(), std::vector<int32_t>{18});
  EXPECT_EQ(fade[-1], 0.0);
  EXPECT_DOUBLE_EQ(fade[50], 0.5);
  EXPECT_EQ(fade[150], 1.0);
  EXPECT_EQ(Game.stage, 7);
  EXPECT_NE(ActorTable[c].type, 0);
  walk();
  EXPECT_EQ(Game.stage, 0);
  EXPECT_EQ(Game.stageClock, 0);
  EXPECT_TRUE(liveOf(15).empty());
  EXPECT_EQ(ActorTable[c].type, 0);
}

TEST_F(Controllers, ASoundCuePlaysOnceAndCutsChannelThreeWhenAllAreBusy) {
  int32_t c = place(54, 5, 0, 0, 0, 100);
  walk(3);
  EXPECT_EQ(ActorTable[c].type, 0);
  for (int32_t bad : {-1, EffectCount, INT_MIN}) place(54, bad, 0, 0, 0, 100);
  walk();
  EXPECT_EQ(soundsAsked(), std::vector<int32_t>{5});
  for (int32_t e = 0; e < MixChannels; ++e) playEffect(e);
  clearAudioLog();
  place(54, 9, 0, 0, 0, 100);
  walk();
  // Dropped from the idle channels first, then played over channel 3.
  ASSERT_EQ(TheAudioLog.count, 3);
  EXPECT_EQ(audioLogEntry(0).event, AudioEvent::EffectDropped);
  EXPECT_EQ(audioLogEntry(1).event, AudioEvent::ChannelCut);
  EXPECT_EQ(audioLogEntry(1).channel, 3);
  EXPECT_EQ(audioLogEntry(2).event, AudioEvent::EffectStarted);
  EXPECT_EQ(audioLogEntry(2).value, 9);
}

TEST_F(Controllers, APlayerEventControllerPostsWhateverNumberItsSpriteHolds) {
  int32_t c = place(56, PlayerEvent::ForceDash, 0, 0, 0, 100);
  walk();
  EXPECT_EQ(ThePlayer.event, PlayerEvent::ForceDash);
  EXPECT_EQ(ActorTable[c].type, 0);
  // The numbers around the known ones: each replaces what was posted before it.
  for (int32_t unknown : {0, 6, 9, -1, INT_MAX}) {
    ThePlayer.event = PlayerEvent::HitSoft;
    place(56, unknown, 0, 0, 0, 100);
    walk();
    EXPECT_EQ(ThePlayer.event, unknown);
  }
  // Within one walk the later slot wins, known or not.
  resetActors();
  SpawnCursor = 0;
  place(56, PlayerEvent::HitHard, 0, 0, 0, 100);
  place(56, 6, 0, 0, 0, 100);
  walk();
  EXPECT_EQ(ThePlayer.event, 6);
}

TEST_F(Controllers, MusicTrackZeroLoadsTheBareFolderAndFreesTheTrack) {
  MusicSwitch = 1;
  StdoutCapture out;
  place(57, 1, 0, 0, 0, 0);
  walk();
  place(57, 0, 0, 0, 0, 0);
  walk();
  EXPECT_NE(out.finish().find("Mix_LoadMUSError (\"resources/\")"), std::string::npos);
  ASSERT_EQ(TheAudioLog.count, 2);
  EXPECT_EQ(audioLogEntry(1).event, AudioEvent::TrackLoaded);
  EXPECT_EQ(audioLogEntry(1).value, 0);
  EXPECT_FALSE(musicLoaded());
}

TEST_F(Controllers, MusicControllersLoadOnlyTracksOfTheTableAndPassTheirCommand) {
  MusicSwitch = 1;
  StdoutCapture quiet;
  for (int32_t bad : {MusicTrackCount, -1, INT_MIN}) place(57, bad, 0, 0, 0, 0);
  walk();
  EXPECT_EQ(TheAudioLog.count, 0);
  place(57, 1, 0, 0, 0, 0);
  place(58, MusicCommand::Rewind, 0, 100, 0, 0);
  walk(2);
  quiet.finish();
  ASSERT_EQ(TheAudioLog.count, 2);
  EXPECT_EQ(audioLogEntry(0).event, AudioEvent::TrackLoaded);
  EXPECT_EQ(audioLogEntry(1).event, AudioEvent::Command);
  EXPECT_EQ(audioLogEntry(1).value, MusicCommand::Rewind);
  EXPECT_TRUE(liveOf(57).empty());
  EXPECT_TRUE(liveOf(58).empty());
}
// Every word of a controller comes from the stage file. Under the sanitizer build this
// sweep also proves that none of them reaches an overflow, a trap or a read out of bounds.
TEST_F(Controllers, HostileStageFileWordsEndOrAgeControllersAndNothingElse) {
  KindUpdateStandIn = nullptr;  // what they emit runs its own behaviour as in play
  StdoutCapture quiet;
  const int32_t words[] = {INT_MIN, INT_MIN + 1, -1, 0, 1, INT_MAX};
  const double doubles[] = {NAN, INFINITY, -INFINITY, 1e308, -1e308, 0.0};
  int32_t n = 0;
  for (int32_t type : {40, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58}) {
    for (int32_t start : words) {
      for (int32_t interval : words) {
        for (int32_t lifetime : words) {
          ++n;
          for (Actor& a : ActorTable) a.type = 0;
          double d = doubles[n % 6], e = doubles[(n / 6) % 6];
          const double pos[3] = {d, e, d}, vel[3] = {e, d, e}, anchor[3] = {d, e, e};
          ThePlayer.pos[0] = e;
          CameraFocus.x = d;
          int32_t c = place(type, words[n % 6], start, words[(n / 6) % 6], interval, lifetime, pos,
                            vel, anchor);
          int32_t firstAge = ActorTable[c].age;
          walk(3);
          const Actor& a = ActorTable[c];
          EXPECT_TRUE(a.type == 0 || (a.type == type && int64_t(a.age) == int64_t(firstAge) + 3))
              << type << " " << start << " " << interval << " " << lifetime;
          EXPECT_FALSE(std::isnan(Game.tunnelCeiling));
        }
      }
    }
  }
  quiet.finish();
}
}  // namespace
