#include <gtest/gtest.h>

#include "shell/frame_loop.h"
#include "shell/frame_step.h"

TEST(FramePacing, SleepsForWhatIsLeftOfSeventeenMilliseconds) {
  EXPECT_EQ(frameWait(1000, 1005, Mode::Play), 12u);
  EXPECT_EQ(frameWait(1000, 1000, Mode::Play), 17u);
  EXPECT_EQ(frameWait(1000, 1016, Mode::Play), 1u);
}

TEST(FramePacing, NoSleepAfterAnOverrunOrAnExactFrame) {
  EXPECT_EQ(frameWait(1000, 1030, Mode::Play), 0u);
  EXPECT_EQ(frameWait(1000, 1017, Mode::Play), 0u);
  EXPECT_EQ(frameWait(1000, 1018, Mode::Play), 0u);
}

TEST(FramePacing, TicksGoingBackwardsCountAsAnOverrun) {
  EXPECT_EQ(frameWait(1000, 999, Mode::Play), 0u);
  EXPECT_EQ(frameWait(1000, 0, Mode::Title), 0u);
}

TEST(FramePacing, TicksWrappingAroundStillMeasureTheFrame) {
  EXPECT_EQ(frameWait(0xFFFFFFFEu, 3u, Mode::Play), 12u);
}

TEST(FramePacing, NoSleepAfterASkippedFrame) {
  EXPECT_EQ(frameWait(1000, 1005, Mode::Play | SkippedFrameBit), 0u);
}

TEST(FrameSkip, AutomaticSettingDrawsEveryOnTimeFrame) {
  for (int counter = 0; counter < 130; ++counter) {
    EXPECT_FALSE(frameSkipped(100, 99, 1, counter));
    EXPECT_FALSE(frameSkipped(100, 100, 1, counter));
  }
}

TEST(FrameSkip, AutomaticSettingDrawsOnlyOneLateFrameInSixty) {
  int drawn = 0;
  for (int counter = 0; counter < 120; ++counter) {
    bool skipped = frameSkipped(102, 100, 1, counter);
    if (!skipped) {
      ++drawn;
      EXPECT_EQ(counter % 60, 0);
    }
  }
  EXPECT_EQ(drawn, 2);
  EXPECT_TRUE(frameSkipped(150, 100, 1, 7));
}

TEST(FrameSkip, SettingTwoDrawsEveryFrameOnTimeOrLate) {
  for (int counter = 0; counter < 100; ++counter) {
    EXPECT_FALSE(frameSkipped(100, 99, 2, counter));
    EXPECT_FALSE(frameSkipped(200, 99, 2, counter));
  }
}

TEST(FrameSkip, SettingThreeNeverDrawsAnOddFrameHoweverFast) {
  for (int counter = 0; counter < 100; ++counter) {
    bool expectSkip = counter % 2 != 0;
    EXPECT_EQ(frameSkipped(100, 100, 3, counter), expectSkip);
    EXPECT_EQ(frameSkipped(300, 100, 3, counter), expectSkip);
  }
}

TEST(FrameSkip, SettingKDrawsEveryKMinusOnethFrame) {
  EXPECT_FALSE(frameSkipped(10, 10, 5, 8));
  EXPECT_TRUE(frameSkipped(10, 10, 5, 9));
  EXPECT_FALSE(frameSkipped(10, 10, 5, 12));
}

TEST(FrameSkip, ExtremeSettingsAndCountersDoNotOverflow) {
  EXPECT_FALSE(frameSkipped(10, 10, 0, 5));
  EXPECT_TRUE(frameSkipped(10, 10, INT32_MIN, 7));
  EXPECT_FALSE(frameSkipped(10, 10, INT32_MIN, 0));
  EXPECT_FALSE(frameSkipped(10, 10, -1, INT32_MIN));
  EXPECT_FALSE(frameSkipped(INT32_MAX, INT32_MAX, 2, 1));
}
