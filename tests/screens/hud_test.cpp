#include "screens/hud.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/game_state.h"
#include "tests/screens/overlay_fixture.h"

using overlay::Cyan;
using overlay::Green;
using overlay::Grey;
using overlay::Red;
using overlay::White;

namespace {
using Texts = std::vector<std::string>;
const char Icon = char(0x8A);

class Hud : public OverlayTest {
 protected:
  Texts hudFor(GameMode mode) {
    lines().clear();
    drawHud(mode);
    return texts();
  }
  std::string livesLine(int32_t lives) {
    Game.lives = lives;
    return hudFor(Mode::Play).at(2);
  }
  std::string coinLine(int32_t coins) {
    CoinCount = coins;
    return hudFor(Mode::Title).at(0);
  }
};

class FrameRate : public OverlayTest {
 protected:
  // One drawn frame at tick t; answers the readout it showed.
  std::string frameAt(int32_t t) {
    setTick(t);
    lines().clear();
    drawFrameRate(112, 352, 120);
    return lines().at(0).text;
  }
};
}  // namespace

TEST_F(Hud, PlayShowsScoreLevelLivesAndCoins) {
  Game.score = 1234;
  Game.level = 3;
  Game.lives = 3;
  CoinCount = 5;
  EXPECT_EQ(hudFor(Mode::Play),
            (Texts{"SCORE 00001234", "Lv.03", std::string("LEFT ") + Icon + Icon, "COIN 05"}));
  EXPECT_EQ(look(0), (LineLook{false, -64, 128, 120, 4, Cyan}));
  EXPECT_EQ(look(1), (LineLook{false, 120, 128, 120, 4, Green}));
  EXPECT_EQ(look(2), (LineLook{false, -144, 352, 120, 4, Green}));
  EXPECT_EQ(look(3), (LineLook{false, -24, 352, 120, 4, White}));
}

TEST_F(Hud, ScoreAndLevelKeepOnlyTheirLowDigits) {
  Game.score = 123456789;
  Game.level = 104;
  Texts hud = hudFor(Mode::Play);
  EXPECT_EQ(hud[0], "SCORE 23456789");
  EXPECT_EQ(hud[1], "Lv.04");
}

TEST_F(Hud, LivesLineShowsOneIconPerSpareLifeUpTo16) {
  EXPECT_EQ(livesLine(0), "LEFT");
  EXPECT_EQ(livesLine(1), "LEFT ");
  EXPECT_EQ(livesLine(3), "LEFT " + std::string(2, Icon));
  EXPECT_EQ(livesLine(17), "LEFT " + std::string(16, Icon));
  EXPECT_EQ(livesLine(20), "LEFT " + std::string(16, Icon));
  EXPECT_EQ(livesLine(INT32_MAX), "LEFT " + std::string(16, Icon));
  EXPECT_EQ(livesLine(-1), "LEFT");
}

TEST_F(Hud, CoinLineShowsTwoDigitsAndNineTensFromAHundred) {
  EXPECT_EQ(coinLine(0), "COIN 00");
  EXPECT_EQ(coinLine(5), "COIN 05");
  EXPECT_EQ(coinLine(99), "COIN 99");
  EXPECT_EQ(coinLine(100), "COIN 90");
  EXPECT_EQ(coinLine(123), "COIN 93");
}

TEST_F(Hud, PauseShowsOnlyTheWordPause) {
  Game.score = 500;
  Game.lives = 3;
  CoinCount = 7;
  EXPECT_EQ(hudFor(Mode::Pause), Texts{"PAUSE"});
  EXPECT_EQ(look(0), (LineLook{false, -40, 192, 120, 8, Grey}));
}

TEST_F(Hud, OutsidePlayOnlyTheCoinsShow) {
  CoinCount = 12;
  for (GameMode mode : {Mode::NewGame, Mode::RecordScore, Mode::ReturnToTitle, Mode::EnterTitle,
                        Mode::Title, Mode::Quit}) {
    EXPECT_EQ(hudFor(mode), Texts{"COIN 12"}) << "mode " << mode;
  }
}

TEST_F(FrameRate, FirstDrawnFrameShowsZeroThenEach60TicksTheFramesDrawn) {
  EXPECT_EQ(frameAt(0), "00fps");
  EXPECT_EQ(look(0), (LineLook{false, 112, 352, 120, 4, Red}));
  for (int32_t t = 1; t < 60; ++t) EXPECT_EQ(frameAt(t), "00fps") << "tick " << t;
  EXPECT_EQ(frameAt(60), "60fps");  // ticks 0..59 each drew a frame
  // Every other frame skipped over the next 60 ticks.
  for (int32_t t = 62; t < 120; t += 2) EXPECT_EQ(frameAt(t), "60fps");
  EXPECT_EQ(frameAt(120), "30fps");
}

TEST_F(FrameRate, TheFirstUpdateComesAtOnceWhateverTheClockSays) {
  EXPECT_EQ(frameAt(100000), "00fps");
  EXPECT_EQ(frameAt(100059), "00fps");
  EXPECT_EQ(frameAt(100060), "02fps");
}

TEST_F(FrameRate, CountsAboveNinetyNineShowTheirLowDigits) {
  frameAt(0);
  for (int i = 0; i < 122; ++i) frameAt(30);  // 123 frames within one period
  EXPECT_EQ(frameAt(60), "23fps");
}

// On screen, with the game's fonts.
using HudPixels = OverlayPixelTest;

TEST_F(HudPixels, PlayDrawsScoreLevelLivesAndCoinsInTheirColours) {
  Game.score = 8888;
  Game.level = 1;
  Game.lives = 3;
  CoinCount = 42;
  drawHud(Mode::Play);
  EXPECT_GT(pixelsOf(Cyan, lineBox(-64, 128, 4, 14)), 100);
  EXPECT_GT(pixelsOf(Green, lineBox(120, 128, 4, 5)), 30);
  EXPECT_GT(pixelsOf(Green, lineBox(-144, 352, 4, 7)), 50);
  EXPECT_GT(pixelsOf(White, lineBox(-24, 352, 4, 7)), 50);
  EXPECT_EQ(inkIn(lineBox(-40, 192, 8, 5)), 0);  // no "PAUSE"
}

TEST_F(HudPixels, PauseDrawsTheWordAlone) {
  Game.score = 8888;
  Game.lives = 3;
  CoinCount = 42;
  drawHud(Mode::Pause);
  OverlayPixelTest::Box pause = lineBox(-40, 192, 8, 5);
  EXPECT_GT(pixelsOf(Grey, pause), 200);
  EXPECT_EQ(inkIn(WholeScreen), inkIn(pause));
}
