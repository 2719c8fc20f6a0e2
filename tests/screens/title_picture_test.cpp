#include <gtest/gtest.h>

#include "game/game_state.h"
#include "tests/screens/screen_fixture.h"

namespace {
using TitlePicture = ScreenPictureTest;

// "Press START " is twelve white cells of 16 pixels on the row through its centre.
int pressStartCells() {
  int white = 0;
  for (int x = screenX(-44.0, 120.0); x < screenX(52.0, 120.0); ++x) {
    white += isWhite(readPixel(x, screenY(280.0, 120.0)));
  }
  return white / 16;
}
}  // namespace

TEST_F(TitlePicture, PressStartBlinksThirtyTwoFramesOnThirtyTwoOff) {
  for (int32_t t : {361, 383, 384, 415, 416, 447, 448, 479, 480}) {
    drawTitleAt(4, t);
    EXPECT_EQ(pressStartCells(), (t & 32) ? 12 : 0) << "timer " << t;
  }
}

TEST_F(TitlePicture, TheTitleWaitsDimmedWithTheLogoStillAndItsCyanName) {
  drawTitleAt(4, 416);  // shown
  EXPECT_TRUE(isGreyOf(readPixel(320, 470), 77)) << "the picture at 0.3";
  // 1024 units wide at depth 480: the middle 512 pixels.
  EXPECT_TRUE(isGreyOf(readPixel(66, 240), 77));
  EXPECT_TRUE(isGreyOf(readPixel(573, 240), 77));
  EXPECT_TRUE(isGreyOf(readPixel(62, 240), 0));
  EXPECT_TRUE(isWhite(textPixel(-40.0, 280.0))) << "the first letter centred on x -40";
  EXPECT_TRUE(isWhite(textPixel(50.0, 280.0))) << "the twelfth cell";
  EXPECT_TRUE(isGreyOf(textPixel(54.0, 280.0), 77));
  // The logo: 256 x 128 at depth 400 around (0, 144), full strength, square to the view.
  Pixel logo = readPixel(320, screenY(144.0, 400.0));
  EXPECT_EQ(logo.b, 255);
  EXPECT_EQ(logo.r, 0);
  EXPECT_EQ(readPixel(screenX(-250.0, 400.0), screenY(20.0, 400.0)).b, 255);
  EXPECT_TRUE(isGreyOf(readPixel(screenX(-262.0, 400.0), screenY(144.0, 400.0)), 77));
  EXPECT_TRUE(isGreyOf(readPixel(320, screenY(278.0, 400.0)), 77));
  // "MIRK", four large cells of 16 units from x -32, cyan at 0.9 over the grey.
  EXPECT_TRUE(isCyan(textPixel(-24.0, 320.0)));
  EXPECT_TRUE(isCyan(textPixel(30.0, 326.0)));
  EXPECT_TRUE(isGreyOf(textPixel(34.0, 320.0), 77));
  EXPECT_TRUE(isGreyOf(textPixel(-24.0, 330.0), 77));
}

TEST_F(TitlePicture, PressStartHiddenLeavesTheRestOfTheTitleAsItWas) {
  drawTitleAt(4, 448);
  EXPECT_TRUE(isGreyOf(textPixel(-40.0, 280.0), 77));
  EXPECT_TRUE(isCyan(textPixel(-24.0, 320.0)));
  EXPECT_EQ(readPixel(320, screenY(144.0, 400.0)).b, 255);
}

TEST_F(TitlePicture, ThePictureDarkensEvenlyWhileTheLogoComesIn) {
  drawTitleAt(1, 100);
  EXPECT_TRUE(isWhite(readPixel(320, 470)));
  drawTitleAt(3, 0);
  EXPECT_TRUE(isWhite(readPixel(320, 470)));
  drawTitleAt(3, 250);  // (500 - 250) * 2 / 1000 = 0.5
  EXPECT_TRUE(isGreyOf(readPixel(320, 470), 128));
  drawTitleAt(3, 360);
  EXPECT_TRUE(isGreyOf(readPixel(320, 470), 71));
}

TEST_F(TitlePicture, TheLogoTurnsAsItApproaches) {
  // At t = 135 it stands at depth 175 turned by 270 degrees: 256 high and 128 wide.
  drawTitleAt(3, 135);
  int y = screenY(144.0, 175.0);
  Pixel centre = readPixel(320, y);
  EXPECT_GT(centre.b, centre.r + 60);  // blue at 0.55 over the picture at 0.73
  EXPECT_EQ(readPixel(screenX(120.0, 175.0), y).b, centre.b);
  EXPECT_LT(readPixel(screenX(136.0, 175.0), y).b, centre.b);
}

TEST_F(TitlePicture, TheFreeCoinTurnsToItsSecondPictureWhenItIsGiven) {
  TextureSlots[28] = makeTestTexture(1, 1, {0xFF0000FF});
  TextureSlots[29] = makeTestTexture(1, 1, {0x00FF00FF});
  TextureSlots[30] = makeTestTexture(1, 1, {0x0000FFFF});
  TextureSlots[31] = makeTestTexture(1, 1, {0xFFFFFFFF});
  CoinCount = 1;
  // Two 64 x 64 quads side by side at depth 240, one unit a pixel, centred on y 400.
  auto left = [] { return readPixel(320 - 32, 400); };
  auto right = [] { return readPixel(320 + 32, 400); };
  drawTitleAt(TitlePhase::CoinBonus, 99);
  EXPECT_EQ(left().r, 255);
  EXPECT_EQ(right().g, 255);
  EXPECT_TRUE(isGreyOf(readPixel(320 - 66, 400), 0));
  EXPECT_TRUE(isGreyOf(readPixel(320, 434), 0));
  drawTitleAt(TitlePhase::CoinBonus, 100);
  EXPECT_EQ(left().b, 255);
  EXPECT_EQ(left().r, 0);
  EXPECT_TRUE(isWhite(right()));
  EXPECT_EQ(CoinCount, 2);
}
