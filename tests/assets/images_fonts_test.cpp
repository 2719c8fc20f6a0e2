// The two bitmap fonts: a glyph for every printable character, none for the space, each
// glyph its own, and the life icon of the heads-up display.
#include <gtest/gtest.h>

#include "tests/assets/images_support.h"

namespace {
struct Font {
  const char* file;
  int tile, tiles;
};
const Font Fonts[] = {{"smallfont.PNG", 16, 128}, {"largefont.PNG", 32, 96}};

// The glyph of character code c is entry c - 32 of the font's table.
Rgba glyph(const Rgba& font, const Font& f, int code) {
  return tileOf(font, code - 32, f.tile, f.tile);
}
}  // namespace

TEST(Fonts, PrintableCharactersHaveInkAndTheSpaceHasNone) {
  for (const Font& f : Fonts) {
    Rgba font;
    ASSERT_TRUE(loadRgba(resourcePath(f.file), font)) << f.file;
    EXPECT_EQ(inkPixels(glyph(font, f, ' ')), 0) << f.file;
    for (int code = 33; code <= 126; ++code) {
      EXPECT_GT(inkPixels(glyph(font, f, code)), f.tile / 2) << f.file << " code " << code;
    }
  }
}

TEST(Fonts, NoTwoPrintableGlyphsAreTheSame) {
  for (const Font& f : Fonts) {
    Rgba font;
    ASSERT_TRUE(loadRgba(resourcePath(f.file), font)) << f.file;
    for (int a = 33; a <= 126; ++a) {
      Rgba ga = glyph(font, f, a);
      for (int b = a + 1; b <= 126; ++b) {
        EXPECT_NE(ga.pixels, glyph(font, f, b).pixels) << f.file << ": " << char(a) << char(b);
      }
    }
  }
}

TEST(Fonts, SmallFontShowsTheLifeIconAtCode0x8A) {
  Rgba font;
  ASSERT_TRUE(loadRgba(resourcePath("smallfont.PNG"), font));
  Rgba icon = glyph(font, Fonts[0], 0x8A);
  EXPECT_GT(inkPixels(icon), 40);
  // In colour, unlike the white letters: the helmet's red stripe.
  bool red = false;
  for (size_t i = 0; i < icon.pixels.size(); i += 4) {
    const uint8_t* p = &icon.pixels[i];
    red = red || (p[3] > 128 && p[0] > 150 && p[1] < 110);
  }
  EXPECT_TRUE(red);
}
