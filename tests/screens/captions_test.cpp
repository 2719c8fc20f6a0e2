#include "screens/captions.h"

#include <gtest/gtest.h>

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
  const DrawnLine& title = lines()[0];
  EXPECT_TRUE(title.large);
  EXPECT_EQ(title.x, -96);
  EXPECT_EQ(title.y, 188);
  EXPECT_EQ(title.z, 120);
  EXPECT_EQ(title.size, 8);
  EXPECT_EQ(title.colour, White);
  const DrawnLine& subtitle = lines()[1];
  EXPECT_TRUE(subtitle.large);
  EXPECT_EQ(subtitle.x, -92);
  EXPECT_EQ(subtitle.y, 216);
  EXPECT_EQ(subtitle.size, 8);
  EXPECT_EQ(subtitle.colour, Yellow);

  EXPECT_EQ(captionsAt(PlayerState::Flying, 299).size(), 2u);
  EXPECT_EQ(captionsAt(PlayerState::Flying, 300), Texts{});
}

TEST_F(StageCaptions, EachStageHasItsOwnLinesSpacesIncluded) {
  const Texts expected[StageCount] = {
      {"First Stage  ", "Break A Leg!"}, {"  2nd Stage  ", "  Ese-Urawa "},
      {"  3rd Stage  ", "   AREA 33  "}, {"  4th Stage  ", " Broken City"},
      {" Bonus Ride. ", " Let's STEP!"}, {"   BOSS 1   ", "  Pelquaran "},
      {"   BOSS 2   ", "  Ta-OKU.R  "},  {"Intermission ", "Endless Road"},
  };
  for (int32_t stage = 0; stage < StageCount; ++stage) {
    Game.stage = stage;
    EXPECT_EQ(captionsAt(PlayerState::Flying, 100), expected[stage]) << "stage " << stage;
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
    EXPECT_TRUE(lines()[0].large);
    EXPECT_EQ(lines()[0].x, -72);
    EXPECT_EQ(lines()[0].y, 216);
    EXPECT_EQ(lines()[0].size, 8);
    EXPECT_EQ(lines()[0].colour, Red);
  }
}

TEST_F(StageCaptions, TheContinueChoiceUnderThePlayerIsDrawnLarge) {
  for (double x : {-0.5, -256.0, 0.0, 200.0}) {
    ThePlayer.pos[0] = x;
    EXPECT_EQ(captionsAt(PlayerState::ContinuePrompt, 10),
              (Texts{"Please continue!", "Yes", "No"}));
    const DrawnLine& prompt = lines()[0];
    const DrawnLine& yes = lines()[1];
    const DrawnLine& no = lines()[2];
    EXPECT_TRUE(prompt.large);
    EXPECT_EQ(prompt.x, -112);
    EXPECT_EQ(prompt.y, 188);
    EXPECT_EQ(prompt.size, 8);
    EXPECT_EQ(prompt.colour, Grey);
    EXPECT_FALSE(yes.large);
    EXPECT_EQ(yes.x, -56);
    EXPECT_EQ(yes.y, 216);
    EXPECT_EQ(yes.colour, Cyan);
    EXPECT_FALSE(no.large);
    EXPECT_EQ(no.x, 40);
    EXPECT_EQ(no.y, 216);
    EXPECT_EQ(no.colour, Orange);
    bool left = x < 0;
    EXPECT_EQ(yes.size, left ? 8 : 4) << "x " << x;
    EXPECT_EQ(no.size, left ? 4 : 8) << "x " << x;
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
  EXPECT_TRUE(lines()[0].large);
  EXPECT_EQ(lines()[0].x, -152);
  EXPECT_EQ(lines()[0].y, 160);
  EXPECT_EQ(lines()[0].colour, Yellow);
  for (int i = 1; i < 4; ++i) {
    EXPECT_FALSE(lines()[i].large);
    EXPECT_EQ(lines()[i].x, -128);
    EXPECT_EQ(lines()[i].y, 176 + 16 * i);
    EXPECT_EQ(lines()[i].size, 4);
    EXPECT_EQ(lines()[i].colour, Cyan);
  }
  captionsAt(PlayerState::AllStagesClear, 1600);
  EXPECT_TRUE(lines()[0].large);
  EXPECT_EQ(lines()[0].x, -152);
  EXPECT_EQ(lines()[0].y, 208);
  EXPECT_EQ(lines()[0].size, 8);
  EXPECT_EQ(lines()[0].colour, Cyan);
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
