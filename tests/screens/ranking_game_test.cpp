// A whole game played through the mode machine to its end, then recorded in the ranking.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "game/game_state.h"
#include "game/player.h"
#include "screens/ranking.h"
#include "shell/calendar.h"
#include "shell/clock.h"
#include "shell/frame_step.h"
#include "shell/input.h"
#include "shell/preferences.h"
#include "shell/scripted_input.h"
#include "tests/support/gl_context.h"

namespace {
uint32_t FakeMs = 0;
uint32_t fakeTicks() { return FakeMs; }
void fakeDelay(uint32_t ms) { FakeMs += ms; }
CalendarDate newYear2010() { return {110, 0, 1}; }

constexpr int32_t FrameLimit = 20000;

class RankingGame : public ::testing::Test {
 protected:
  ScriptedInput script;  // nothing held: the player only flies
  std::vector<uint8_t> saved_;
  void SetUp() override {
    ASSERT_TRUE(openTestDisplay());
    setInputSource(&script);
    setClockSource({fakeTicks, fakeDelay});
    setCalendarSource(newYear2010);
    FakeMs = 1000;
    resetFrameLoopState();
    FrameSkipSetting = 61;  // one frame in 60 drawn: the game runs on, the test runs fast
    saved_ = Preferences.data;
    Preferences.data.assign(PreferencesSize, 0);
    CoinCount = 0;
  }
  void TearDown() override {
    setInputSource(nullptr);
    useSdlClock();
    useSystemCalendar();
    Preferences.data = saved_;
  }
};
}  // namespace

TEST_F(RankingGame, AGameWithoutCoinsEndsInTheRankingWithTheDayItWasPlayed) {
  // An earlier, lower score from another day.
  setPrefWord(PrefOffset::RankScores, 1000);
  std::strcpy(rankText(0), "09/12/31");

  ASSERT_EQ(frameStep(Mode::NewGame), Mode::Play);
  Game.score = 4321;
  // Every time the player flies, something hits it, until the lives run out.
  bool continueOffered = false;
  GameMode r = Mode::Play;
  for (int32_t frame = 0; frame < FrameLimit && r != Mode::RecordScore; ++frame) {
    if (ThePlayer.state == PlayerState::Flying) ThePlayer.event = PlayerEvent::HitHard;
    r = frameStep(0) & ModeNumberMask;
    continueOffered |= ThePlayer.state == PlayerState::ContinuePrompt;
    script.nextFrame();
  }
  ASSERT_EQ(r, Mode::RecordScore);
  EXPECT_FALSE(continueOffered);
  EXPECT_EQ(Game.stageClock, -1);
  const int32_t score = Game.score;
  ASSERT_GE(score, 4321);

  EXPECT_EQ(frameStep(0) & ModeNumberMask, Mode::ReturnToTitle);
  EXPECT_EQ(HighlightedRank, 0);
  EXPECT_EQ(rankScore(0), score);
  char text[RankTextSize + 1];
  copyRankText(0, text);
  EXPECT_STREQ(text, "10/01/01");
  EXPECT_EQ(rankScore(1), 1000);
  copyRankText(1, text);
  EXPECT_STREQ(text, "09/12/31");
}
