// The timeline: spawns placed on the frames the game would place them, and a picture for
// any stage, however odd.
#include "tools/stages/timeline.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/support/temp_folder.h"

namespace {
ScriptEntry at(int32_t time, int32_t type, int32_t sprite = 1, int32_t start = 0,
               int32_t interval = 0, int32_t lifetime = 0) {
  return {{time, type, sprite, start, {}, {}, {}, 72, interval, lifetime}, 0};
}

std::vector<int32_t> framesOf(const StageTimes& t, int32_t type) {
  std::vector<int32_t> frames;
  for (const Spawn& s : t.spawns)
    if (s.type == type) frames.push_back(s.frame);
  return frames;
}
}  // namespace

TEST(Timeline, EntriesDueTogetherFireOnConsecutiveFrames) {
  ScriptStage stage{{at(800, 18), at(800, 18), at(800, 18), at(801, 18), at(900, 18)}, 0};
  EXPECT_EQ(fireFrames(stage), (std::vector<int32_t>{800, 801, 802, 803, 900}));
}

TEST(Timeline, EmittersReleaseTheirTypeEveryIntervalUpToTheirLifetime) {
  ScriptStage stage{{at(100, 49, 15, 1, 16, 48), at(100, 50, 6, 1, 0, 3000),
                     at(200, 40, 1, 0, 7, 64), at(1000, 55, 1, -20, 0, 200)},
                    0};
  StageTimes t = stageTimes(stage);
  EXPECT_EQ(framesOf(t, 15), (std::vector<int32_t>{100, 116, 132, 148}));
  EXPECT_EQ(framesOf(t, 6), std::vector<int32_t>{101}) << "interval 0: once";
  EXPECT_EQ(framesOf(t, 40).size(), 10u) << "a head and nine segments";
  EXPECT_EQ(t.bossFrames, std::vector<int32_t>{200});
  EXPECT_EQ(t.clearedFrame, 1020) << "a stage end waits until its age reaches 0";
  EXPECT_EQ(t.nextStageFrame, 1220);
}

// An emitter every frame for ever is drawn up to the next stage, not counted out to the end
// of time; a stage with no end or no entries still gets a picture.
TEST(Timeline, EndlessEmittersAndEmptyStagesStillMakeAPicture) {
  ScriptStage endless{{at(0, 49, 15, 0, 1, INT32_MAX), at(500, 55, 1, 0, 0, 200),
                       at(INT32_MAX, 49, 15, 0, -1, INT32_MAX)},
                      0};
  StageTimes t = stageTimes(endless);
  EXPECT_EQ(t.spawns.size(), 701u);
  EXPECT_EQ(t.unshown, 1);
  TempFolder folder;
  EXPECT_TRUE(writePng(drawTimeline(endless, 0), "endless.png"));
  EXPECT_TRUE(writePng(drawTimeline(ScriptStage{}, 1), "empty.png"));
  std::vector<unsigned char> png = folder.read("empty.png");
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png[1], 'P');
}
