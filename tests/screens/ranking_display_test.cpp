#include "screens/ranking_display.h"

#include <gtest/gtest.h>

#include <cstring>

#include "screens/ranking.h"
#include "tests/screens/screen_fixture.h"

namespace {
class RankingDisplay : public ScreenPictureTest {
 protected:
  void SetUp() override {
    ScreenPictureTest::SetUp();
    for (int32_t i = 0; i < RankEntries; ++i) {
      setPrefWord(PrefOffset::RankScores + 4 * i, 9000 - 1000 * i);
      std::strcpy(rankText(i), "10/01/01");
    }
  }
  // The row of entry i at rest (scroll 120), in text-plane units.
  static double restingRow(int32_t i) { return 120.0 + 20.0 * i + 56.0; }
};
}  // namespace

TEST_F(RankingDisplay, AtRestTheHighlightedScoreIsRedTheOthersYellowTheDatesGreen) {
  HighlightedRank = 3;
  drawTitleAt(TitlePhase::Ranking, 500);
  EXPECT_TRUE(isCyan(textPixel(-48.0, 144.0))) << "RANKING";
  EXPECT_TRUE(isCyan(textPixel(52.0, 144.0))) << "its seventh letter";
  EXPECT_TRUE(isGreyOf(textPixel(60.0, 144.0), 51)) << "over the picture at 0.2";
  for (int32_t i = 0; i < 8; ++i) {
    Pixel score = textPixel(-136.0, restingRow(i));
    EXPECT_TRUE(i == 3 ? isRed(score) : isYellow(score)) << "entry " << i;
    EXPECT_TRUE(isYellow(textPixel(-4.0, restingRow(i))) || i == 3) << "ninth digit of " << i;
    EXPECT_TRUE(isGreyOf(textPixel(4.0, restingRow(i)), 51)) << "between score and date";
    EXPECT_TRUE(isGreen(textPixel(24.0, restingRow(i)))) << "date of " << i;
    EXPECT_TRUE(isGreen(textPixel(134.0, restingRow(i)))) << "eighth character of " << i;
    EXPECT_TRUE(isGreyOf(textPixel(24.0, restingRow(i) + 10.0), 51)) << "below entry " << i;
  }
}

TEST_F(RankingDisplay, TheNinthEntryIsSmallerAndRedWhenItWasTheLastGame) {
  drawTitleAt(TitlePhase::Ranking, 500);
  double y = restingRow(8);
  EXPECT_TRUE(isYellow(textPixel(-108.0, y)));
  EXPECT_TRUE(isYellow(textPixel(-4.0, y))) << "nine cells of 12 units from -110";
  EXPECT_TRUE(isGreyOf(textPixel(0.0, y), 51));
  EXPECT_TRUE(isGreyOf(textPixel(-112.0, y), 51));
  EXPECT_TRUE(isGreen(textPixel(110.0, y))) << "eight cells of 12 units from 18";
  EXPECT_TRUE(isGreyOf(textPixel(116.0, y), 51));
  EXPECT_TRUE(isGreyOf(textPixel(24.0, y + 7.0), 51));
  HighlightedRank = 8;
  drawTitleAt(TitlePhase::Ranking, 500);
  EXPECT_TRUE(isRed(textPixel(-108.0, y)));
  EXPECT_TRUE(isYellow(textPixel(-136.0, restingRow(0))));
}

TEST_F(RankingDisplay, BeforeAnyGameHasEndedEntryZeroIsRed) {
  drawTitleAt(TitlePhase::Ranking, 500);
  EXPECT_TRUE(isRed(textPixel(-136.0, restingRow(0))));
  EXPECT_TRUE(isYellow(textPixel(-136.0, restingRow(1))));
}

TEST_F(RankingDisplay, TheTableSlidesUpForItsFirstFramesAndThenStays) {
  drawTitleAt(TitlePhase::Ranking, 100);  // 140 units below its resting place
  EXPECT_TRUE(isGreyOf(textPixel(-48.0, 144.0), 51));
  EXPECT_TRUE(isCyan(textPixel(-48.0, 284.0)));
  drawTitleAt(TitlePhase::Ranking, 239);
  EXPECT_TRUE(isCyan(textPixel(-48.0, 151.5)));
  EXPECT_TRUE(isGreyOf(textPixel(-48.0, 144.0 - 7.5), 51));
  drawTitleAt(TitlePhase::Ranking, 999);
  EXPECT_TRUE(isCyan(textPixel(-48.0, 144.0 - 7.5)));
}

TEST_F(RankingDisplay, TheRankingPictureComesFirstUndimmed) {
  drawTitleAt(TitlePhase::RankingPicture, 30);
  EXPECT_TRUE(isWhite(readPixel(320, 240)));
  EXPECT_TRUE(isWhite(textPixel(-48.0, 144.0)));
}

TEST_F(RankingDisplay, ScoresShowNineDigitsAndTextsNeverRunPastTheirField) {
  setPrefWord(PrefOffset::RankScores, 1234);
  std::memset(rankText(0), 0, RankTextSize);
  // A file may fill every field to its last byte; the display stops at 32 characters.
  std::memset(rankText(1), 'A', RankTextSize * (RankEntries - 1));
  // RANKING, nine scores of nine digits, entry 0's empty date, eight dates of 32.
  EXPECT_EQ(drawRankingTable(500), 7 + 9 * 9 + 0 + 8 * 32);
}
