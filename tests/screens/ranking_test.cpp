#include "screens/ranking.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "shell/calendar.h"
#include "shell/preferences.h"

namespace {
CalendarDate Today = {110, 0, 1};  // 1 January 2010
CalendarDate fixedDate() { return Today; }

// Each test starts from an all-zero image of its own and a fixed day.
class Ranking : public ::testing::Test {
 protected:
  std::vector<uint8_t> saved_;
  void SetUp() override {
    saved_ = Preferences.data;
    Preferences.data.assign(PreferencesSize, 0);
    Today = {110, 0, 1};
    setCalendarSource(fixedDate);
  }
  void TearDown() override {
    Preferences.data = saved_;
    useSystemCalendar();
  }
  // Entries 0 to 8 hold these scores, each text naming its old place ("e0" ...).
  static void fill(const std::vector<int32_t>& scores) {
    for (int32_t k = 0; k < int32_t(scores.size()); ++k) {
      setPrefWord(PrefOffset::RankScores + 4 * k, scores[k]);
      std::strcpy(rankText(k), ("e" + std::to_string(k)).c_str());
    }
  }
  static std::string text(int32_t entry) {
    char out[RankTextSize + 1];
    copyRankText(entry, out);
    return out;
  }
};
}  // namespace

TEST_F(Ranking, AScoreEqualToAnEntryGoesAboveItAndTheRestMoveDownOne) {
  fill({900, 800, 700, 600, 500, 400, 300, 200, 50});
  EXPECT_EQ(insertScore(600), 3);
  const int32_t scores[] = {900, 800, 700, 600, 600, 500, 400, 300, 50};
  const char* texts[] = {"e0", "e1", "e2", "10/01/01", "e3", "e4", "e5", "e6", "e8"};
  for (int32_t k = 0; k < 9; ++k) {
    EXPECT_EQ(rankScore(k), scores[k]) << "entry " << k;
    EXPECT_EQ(text(k), texts[k]) << "entry " << k;
  }
}

TEST_F(Ranking, AScoreBelowTheEightGoesToEntryEightAlone) {
  fill({900, 800, 700, 600, 500, 400, 300, 200, 250});
  EXPECT_EQ(insertScore(199), UnrankedEntry);
  EXPECT_EQ(rankScore(7), 200);
  EXPECT_EQ(text(7), "e7");
  EXPECT_EQ(rankScore(8), 199);
  EXPECT_EQ(text(8), "10/01/01");
  // Scores are signed: a negative score misses an all-zero table.
  Preferences.data.assign(PreferencesSize, 0);
  EXPECT_EQ(insertScore(-1), UnrankedEntry);
  EXPECT_EQ(rankScore(0), 0);
  EXPECT_EQ(rankScore(8), -1);
}

TEST_F(Ranking, AScoreForThePlaceOfEntrySevenReplacesItAndMovesNothing) {
  fill({900, 800, 700, 600, 500, 400, 300, 200, 100, 77});
  EXPECT_EQ(insertScore(250), 7);
  EXPECT_EQ(rankScore(6), 300);
  EXPECT_EQ(text(6), "e6");
  EXPECT_EQ(rankScore(7), 250);
  EXPECT_EQ(text(7), "10/01/01");
  EXPECT_EQ(rankScore(8), 100);
  EXPECT_EQ(text(8), "e8");
  EXPECT_EQ(rankScore(9), 77);
}

TEST_F(Ranking, TheFirstGameOfAnEmptyTableTakesEntryZeroEvenWithNoPoints) {
  EXPECT_EQ(insertScore(0), 0);
  EXPECT_EQ(text(0), "10/01/01");
  EXPECT_EQ(text(1), "");
  // The next game of equal score goes above it.
  Today = {110, 1, 2};
  EXPECT_EQ(insertScore(0), 0);
  EXPECT_EQ(text(0), "10/02/02");
  EXPECT_EQ(text(1), "10/01/01");
}

TEST_F(Ranking, TheDateIsTwoDigitsOfYearMonthAndDay) {
  char field[RankTextSize];
  std::memset(field, 'x', sizeof field);
  stampDate(field);
  EXPECT_STREQ(field, "10/01/01");
  Today = {104, 6, 15};
  stampDate(field);
  EXPECT_STREQ(field, "04/07/15");
  Today = {99, 11, 31};
  stampDate(field);
  EXPECT_STREQ(field, "99/12/31");
  Today = {200, 9, 9};  // 2100
  stampDate(field);
  EXPECT_STREQ(field, "00/10/09");
}

TEST_F(Ranking, ATextThatFillsItsFieldIsNeverReadPastIt) {
  fill({900, 800, 700, 600, 500, 400, 300, 200, 100});
  std::memset(rankText(6), 'A', RankTextSize);
  std::memset(rankText(7), 'B', RankTextSize);
  std::memset(rankText(9), 'Z', RankTextSize);
  setPrefWord(PrefOffset::Integrity, 0x41414141);
  EXPECT_EQ(insertScore(1000), 0);
  // Entry 6's unterminated text moved whole into entry 7; entry 8 kept its own.
  EXPECT_EQ(text(7), std::string(RankTextSize, 'A'));
  EXPECT_EQ(text(8), "e8");
  // Entry 9's text ends where its field ends, not in the word that follows it.
  EXPECT_EQ(text(9), std::string(RankTextSize, 'Z'));
}

TEST_F(Ranking, WithoutAPreferencesImageNothingIsRecorded) {
  Preferences.data.clear();
  EXPECT_EQ(insertScore(500), UnrankedEntry);
  EXPECT_TRUE(Preferences.data.empty());
}
