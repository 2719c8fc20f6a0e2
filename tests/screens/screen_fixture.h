#pragma once
#include <gtest/gtest.h>

#include <algorithm>

#include "render/text.h"
#include "render/texture_upload.h"
#include "screens/title.h"
#include "shell/frame_step.h"
#include "shell/input.h"
#include "shell/preferences.h"
#include "shell/scripted_input.h"
#include "tests/render/render_fixture.h"

// The title screens drawn on the game's display with plain pictures: the title and
// ranking pictures white, the logos blue, every glyph of both fonts a white square, so
// that each character is one cell of its text's colour.
class ScreenPictureTest : public RenderTest {
 protected:
  ScriptedInput script;  // nothing held

  void SetUp() override {
    RenderTest::SetUp();
    std::copy_n(TextureSlots, TextureSlotCount, slots_);
    std::copy_n(SmallFontTiles, SmallFontGlyphs, small_);
    std::copy_n(LargeFontTiles, LargeFontGlyphs, large_);
    static const uint32_t white = makeTestTexture(1, 1, {0xFFFFFFFF});
    static const uint32_t blue = makeTestTexture(1, 1, {0x0000FFFF});
    for (int32_t slot : {224, 225, 226}) TextureSlots[slot] = white;
    for (int32_t slot : {227, 229}) TextureSlots[slot] = blue;
    std::fill_n(SmallFontTiles, SmallFontGlyphs, white);
    std::fill_n(LargeFontTiles, LargeFontGlyphs, white);
    setInputSource(&script);
    resetFrameLoopState();
    resetTitleScreen();
    Preferences.data.assign(PreferencesSize, 0);
  }
  void TearDown() override {
    setInputSource(nullptr);
    std::copy_n(slots_, TextureSlotCount, TextureSlots);
    std::copy_n(small_, SmallFontGlyphs, SmallFontTiles);
    std::copy_n(large_, LargeFontGlyphs, LargeFontTiles);
    RenderTest::TearDown();
  }
  // One title step of a phase at a timer value, on a black screen.
  static void drawTitleAt(int32_t phase, int32_t timer) {
    clearTo(0.0, 0.0, 0.0);
    TitleScreen.phase = phase;
    TitleScreen.timer = timer;
    titleStep(1);
  }
  // The pixel under a point of the text plane (depth 120, one unit two pixels).
  static Pixel textPixel(double x, double y) {
    return readPixel(screenX(x, 120.0), screenY(y, 120.0));
  }

 private:
  uint32_t slots_[TextureSlotCount] = {};
  uint32_t small_[SmallFontGlyphs] = {};
  uint32_t large_[LargeFontGlyphs] = {};
};

// The colours of the title screens over their dimmed pictures, told apart by channel.
inline bool isWhite(Pixel p) { return p.r == 255 && p.g == 255 && p.b == 255; }
inline bool isGreyOf(Pixel p, int level) {
  return std::abs(p.r - level) <= 2 && p.r == p.g && p.g == p.b;
}
inline bool isRed(Pixel p) { return p.r > 200 && p.g < 80 && p.b < 60; }
inline bool isYellow(Pixel p) { return p.r > 230 && p.g > 230 && p.b < 100; }
inline bool isGreen(Pixel p) { return p.r < 60 && p.g > 200 && p.b < 80; }
inline bool isCyan(Pixel p) { return p.r > 90 && p.r < 130 && p.g > 200 && p.b > 200; }
