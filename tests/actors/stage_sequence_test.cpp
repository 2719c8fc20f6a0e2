// The stage scripts: one due entry a frame, in order, within the stage's own 100 entries.
#include "actors/stage_sequence.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "actors/builtin_stages.h"
#include "game/game_flow.h"
#include "game/game_state.h"
#include "tests/actors/actor_fixture.h"

namespace {
class StageSequenceTest : public ActorFixture {
 protected:
  void SetUp() override {
    ActorFixture::SetUp();
    useBuiltInSequence();
    resetSequence(0);
  }
  void TearDown() override {
    useBuiltInSequence();
    ActorFixture::TearDown();
  }

  // Runs one step; answers the entry it fired, or -1.
  static int32_t step(int32_t clock) {
    int32_t before = Sequence.nextIndex;
    sequenceStep(clock);
    return Sequence.nextIndex != before ? before : -1;
  }
  // The actor the last spawn placed.
  static const Actor& lastSpawned() {
    return ActorTable[(SpawnCursor + ActorCount - 1) % ActorCount];
  }
  // A script of the given times for the stage, each entry a type-15 actor whose age tells
  // the entry apart (entry i starts at age 100 + i), then one entry never reached.
  static void script(int32_t stage, const std::vector<int32_t>& times) {
    for (SpawnEntry& e : StageSequence[stage]) e = SpawnEntry{};
    int32_t i = 0;
    for (int32_t t : times) {
      StageSequence[stage][i] = SpawnEntry{t, 15, 0, 100 + i, {}, {}, {}, 0, 0, 0};
      ++i;
    }
    StageSequence[stage][i] = SpawnEntry{65000, 1, 0, 1, {}, {}, {}, 0, 0, 0};
    Game.stage = stage;
    resetSequence(stage);
  }
};
}  // namespace

TEST_F(StageSequenceTest, StageZeroHatchesComeOnThreeConsecutiveFramesWithTheirEntryValues) {
  std::vector<int32_t> fired(900, -1);
  for (int32_t clock = 0; clock < 900; ++clock) {
    fired[clock] = step(clock);
    if (fired[clock] < 11) continue;
    const Actor& a = lastSpawned();
    EXPECT_EQ(a.type, 18);
    EXPECT_EQ(a.sprite, 81);
    EXPECT_EQ(a.age, fired[clock] - 10) << "entries 11, 12, 13 start at ages 1, 2, 3";
    EXPECT_EQ(a.interval, 65536) << "an interval of 0 means practically never";
    EXPECT_EQ(a.pos[2], 4400.0);
  }
  EXPECT_EQ(fired[10], 0);
  EXPECT_EQ(fired[600], 10);
  EXPECT_EQ(fired[799], -1);
  EXPECT_EQ(fired[800], 11);
  EXPECT_EQ(fired[801], 12);
  EXPECT_EQ(fired[802], 13);
  EXPECT_EQ(Sequence.nextTime, 1300);
}

TEST_F(StageSequenceTest, EntriesOfOneTimeComeOneFrameApart) {
  script(2, {50, 50, 50});
  EXPECT_EQ(step(49), -1);
  EXPECT_EQ(step(50), 0);
  EXPECT_EQ(step(51), 1);
  EXPECT_EQ(step(52), 2);
  EXPECT_EQ(lastSpawned().age, 102);
  EXPECT_EQ(step(53), -1);
  // A standing clock changes nothing: still one a frame.
  script(2, {50, 50});
  EXPECT_EQ(step(50), 0);
  EXPECT_EQ(step(50), 1);
}

TEST_F(StageSequenceTest, AClockThatJumpsPastSeveralEntriesGetsThemOneAFrame) {
  script(3, {10, 20, 30, 40});
  EXPECT_EQ(step(35), 0);
  EXPECT_EQ(step(35), 1);
  EXPECT_EQ(step(35), 2);
  EXPECT_EQ(step(35), -1);
  EXPECT_EQ(step(39), -1);
  EXPECT_EQ(step(40), 3);
  EXPECT_EQ(lastSpawned().age, 103);
}

TEST_F(StageSequenceTest, StageNinePlaysStageOnesScript) {
  startStage(9);
  EXPECT_EQ(Sequence.nextTime, StageSequence[1][0].time);
  for (int32_t clock = 0; Sequence.nextIndex == 0 && clock < 100; ++clock) sequenceStep(clock);
  EXPECT_EQ(lastSpawned().type, 57);
  EXPECT_EQ(lastSpawned().sprite, 2) << "stage 1 loads track 2 first";
}

TEST_F(StageSequenceTest, AnEntryWithNoFreeSlotIsSkippedForGood) {
  fillTable();
  Sequence = {11, 800};
  EXPECT_EQ(step(800), 11);
  for (const Actor& a : ActorTable) EXPECT_EQ(a.type, 15);
  ActorTable[5].type = 0;
  EXPECT_EQ(step(800), -1) << "entry 11 is not tried again";
  EXPECT_EQ(step(801), 12);
  EXPECT_EQ(ActorTable[5].type, 18);
  EXPECT_EQ(ActorTable[5].age, 2);
}

// An all-empty script fires its 100 empty entries and stops: nothing of the next stage's
// script is read, nor anything past the last stage (which the sanitizer build would see).
TEST_F(StageSequenceTest, TheSchedulerStopsAtTheEndOfTheStagesEntries) {
  for (int32_t stage : {6, 7}) {
    for (SpawnEntry& e : StageSequence[stage]) e = SpawnEntry{};
    if (stage == 6) StageSequence[7][0] = SpawnEntry{0, 15, 0, 0, {}, {}, {}, 0, 0, 0};
    Game.stage = stage;
    resetSequence(stage);
    for (int32_t frame = 0; frame < 150; ++frame) sequenceStep(INT_MAX);
    EXPECT_EQ(Sequence.nextIndex, StageEntryCount);
    for (const Actor& a : ActorTable) EXPECT_NE(a.type, 15) << "stage " << stage;
  }
}

TEST_F(StageSequenceTest, EveryBuiltInStageIsSortedStartsItsMusicAndEnds) {
  const int32_t ends[StageCount] = {20000, 21000, 21000, 21000, 3800, 8600, 8600, 1520};
  const int32_t firstTrack[StageCount] = {1, 2, 3, 4, 5, 6, 0, 7};
  EXPECT_EQ(BuiltInStages[0].count, 55);
  for (int32_t s = 0; s < StageCount; ++s) {
    const SpawnEntry* script = StageSequence[s];
    int32_t used = BuiltInStages[s].count;
    int32_t stageEnds = 0, track = 0, plays = 0;
    for (int32_t i = 0; i < StageEntryCount; ++i) {
      const SpawnEntry& e = script[i];
      if (i >= used) {
        EXPECT_EQ(e.type | e.time | e.lifetime, 0) << "stage " << s << " entry " << i;
        continue;
      }
      if (i > 0) {
        EXPECT_LE(script[i - 1].time, e.time) << "stage " << s << " entry " << i;
      }
      if (e.type == 57 && track == 0) track = e.sprite;
      plays += e.type == 58 && e.time < ends[s];
      if (e.type != 55) continue;
      ++stageEnds;
      EXPECT_EQ(e.time, ends[s]) << "stage " << s;
      EXPECT_EQ(e.lifetime, s == 7 ? 260 : 200) << "stage " << s;
    }
    EXPECT_EQ(stageEnds, 1) << "stage " << s;
    EXPECT_EQ(track, firstTrack[s]) << "stage " << s;
    EXPECT_GE(plays, 1) << "stage " << s;
    EXPECT_EQ(script[used - 1].time, 65000) << "stage " << s;
  }
}
