#include "screens/captions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/screens/overlay_fixture.h"

using overlay::Cyan;
using overlay::Grey;
using overlay::Orange;
using overlay::Red;
using overlay::White;
using overlay::Yellow;

namespace {
// The captions of one frame with the player in state and the stage clock at clock.
class StageCaptions : public OverlayTest {
 protected:
  std::vector<std::string> captionsAt(int32_t state, int32_t clock) {
    Game.playerStateCopy = state;
    Game.stageClock = clock;
    lines().clear();
    drawStageCaptions();
    return texts();
  }
};
using Texts = std::vector<std::string>;
}  // namespace

TEST_F(StageCaptions, TheStageTitleShowsOverTheFirst300FramesOfFlying) {
  Game.stage = 0;
  EXPECT_EQ(captionsAt(PlayerState::Flying, 0), (Texts{"First Stage  ", "Break A Leg!"}));
  EXPECT_EQ(look(0), (LineLook{true, -96, 188, 120, 8, White}));
  EXPECT_EQ(look(1), (LineLook{true, -92, 216, 120, 8, Yellow}));

  EXPECT_EQ(captionsAt(PlayerState::Flying, 299).size(), 2u);
  EXPECT_EQ(captionsAt(PlayerState::Flying, 300), Texts{});
}

// The lines are drawn from fixed left edges, so their padding is what centres them: every
// title and subtitle is 12 or 13 characters, and no two stages share a title.
TEST_F(StageCaptions, EachStageShowsItsOwnRowPaddedToTheCentre) {
  std::set<std::string> titles;
  for (int32_t stage = 0; stage < StageCount; ++stage) {
    SCOPED_TRACE(stage);
    Game.stage = stage;
    const StageCaption& row = ::StageCaptions[stage];
    EXPECT_EQ(captionsAt(PlayerState::Flying, 100), (Texts{row.title, row.subtitle}));
    for (const char* line : {row.title, row.subtitle}) {
      size_t length = std::string(line).size();
      EXPECT_TRUE(length == 12 || length == 13) << '"' << line << '"';
    }
    EXPECT_TRUE(titles.insert(row.title).second) << row.title;
  }
}

TEST_F(StageCaptions, AStageNumberOutsideTheTableShowsNoCaption) {
  for (int32_t stage : {-1, StageCount, INT32_MAX}) {
    Game.stage = stage;
    EXPECT_EQ(captionsAt(PlayerState::Flying, 100), Texts{}) << "stage " << stage;
  }
}

TEST_F(StageCaptions, NoCaptionWhileArrivingRecoveringDashingFallingOrClearing) {
  for (int32_t state : {PlayerState::Recovering, PlayerState::Arriving, PlayerState::StageClear,
                        PlayerState::Dash, PlayerState::Falling, 10, -1}) {
    EXPECT_EQ(captionsAt(state, 50), Texts{}) << "state " << state;
  }
}

TEST_F(StageCaptions, GameOverShowsOnceCrashedAndAfterwards) {
  for (int32_t state : {PlayerState::Crashed, PlayerState::GameOver}) {
    EXPECT_EQ(captionsAt(state, 5000), Texts{"Game over!"});
    EXPECT_EQ(look(0), (LineLook{true, -72, 216, 120, 8, Red}));
  }
}

TEST_F(StageCaptions, TheContinueChoiceUnderThePlayerIsDrawnLarge) {
  for (double x : {-0.5, -256.0, 0.0, 200.0}) {
    ThePlayer.pos[0] = x;
    EXPECT_EQ(captionsAt(PlayerState::ContinuePrompt, 10),
              (Texts{"Please continue!", "Yes", "No"}));
    bool left = x < 0;
    EXPECT_EQ(look(0), (LineLook{true, -112, 188, 120, 8, Grey}));
    EXPECT_EQ(look(1), (LineLook{false, -56, 216, 120, left ? 8.0 : 4.0, Cyan})) << "x " << x;
    EXPECT_EQ(look(2), (LineLook{false, 40, 216, 120, left ? 4.0 : 8.0, Orange})) << "x " << x;
  }
}

TEST_F(StageCaptions, AllStagesClearCongratulatesThenAnnouncesTheAdvancedMission) {
  const Texts congratulations = {"  Congraturations!", " You had brokenthrough all stage.",
                                 "    But,battle is not over.", " Let's try to play special game!"};
  const Texts advanced = {"  Advanced mission"};
  const std::pair<int32_t, Texts> expected[] = {
      {360, {}},  {361, congratulations}, {1499, congratulations}, {1500, {}},
      {1560, {}}, {1561, advanced},       {1759, advanced},        {1760, {}},
  };
  for (const auto& [clock, texts] : expected) {
    EXPECT_EQ(captionsAt(PlayerState::AllStagesClear, clock), texts) << "clock " << clock;
  }

  captionsAt(PlayerState::AllStagesClear, 400);
  EXPECT_EQ(look(0), (LineLook{true, -152, 160, 120, 8, Yellow}));
  EXPECT_EQ(look(1), (LineLook{false, -128, 192, 120, 4, Cyan}));
  EXPECT_EQ(look(2), (LineLook{false, -128, 208, 120, 4, Cyan}));
  EXPECT_EQ(look(3), (LineLook{false, -128, 224, 120, 4, Cyan}));
  captionsAt(PlayerState::AllStagesClear, 1600);
  EXPECT_EQ(look(0), (LineLook{true, -152, 208, 120, 8, Cyan}));
}

// On screen, with the game's fonts.
using StageCaptionPixels = OverlayPixelTest;

TEST_F(StageCaptionPixels, StageZeroTitleAtClock100AndNothingAtClock300) {
  Game.stage = 0;
  Game.stageClock = 100;
  drawStageCaptions();
  EXPECT_GT(pixelsOf(White, lineBox(-96, 188, 8, 13)), 100);
  EXPECT_GT(pixelsOf(Yellow, lineBox(-92, 216, 8, 12)), 100);

  clearScreen();
  Game.stageClock = 300;
  drawStageCaptions();
  EXPECT_EQ(inkIn(WholeScreen), 0);
}

TEST_F(StageCaptionPixels, GameOverIsWrittenInRed) {
  Game.playerStateCopy = PlayerState::GameOver;
  drawStageCaptions();
  EXPECT_GT(pixelsOf(Red, lineBox(-72, 216, 8, 10)), 100);
  EXPECT_EQ(inkIn(lineBox(-72, 188, 8, 10)), 0);  // nothing on the line above
}

TEST_F(StageCaptionPixels, LeftOfCentreTheYesIsTheLargerChoice) {
  Game.playerStateCopy = PlayerState::ContinuePrompt;
  ThePlayer.pos[0] = -10.0;
  drawStageCaptions();
  EXPECT_GT(pixelsOf(Grey, lineBox(-112, 188, 8, 16)), 100);
  // A size-8 glyph reaches 8 units (16 pixels) above its line's centre; a size-4 one 8.
  int yesTall = pixelsOf(Cyan, {0, 240 + 2 * (216 - 240 - 8), 319, 240 + 2 * (216 - 240 - 4)});
  int noTall = pixelsOf(Orange, {320, 240 + 2 * (216 - 240 - 8), 639, 240 + 2 * (216 - 240 - 4)});
  EXPECT_GT(yesTall, 10);
  EXPECT_EQ(noTall, 0);
  EXPECT_GT(pixelsOf(Orange, lineBox(40, 216, 4, 2)), 10);
}
