// The generator's own pieces: its layout table against the game's load table, the colour
// spreading under transparent pixels, the wrapping bands and the three file writers.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "render/texture_upload.h"
#include "tests/assets/images_support.h"
#include "tests/support/temp_folder.h"
#include "tools/imagegen/sheet.h"

namespace {
const SheetLayout* const Layouts[] = {
    &SmallCharacters, &TallCharacters, &PlayerAndEffects, &Cast,
    &Ground,          &Skies,          &FarLayers,        &NearLayers,
    &TitlePicture,    &RankingPicture, &AltTitlePicture,  &TitlePieces};

Picture square(int w, int h, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
  Picture p(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      uint8_t* q = p.at(x, y);
      q[0] = r, q[1] = g, q[2] = b, q[3] = a;
    }
  }
  return p;
}
}  // namespace

TEST(ImageGeneratorPieces, LayoutTableAgreesWithTheGamesLoadTable) {
  for (int i = 0; i < TextureSheetCount; ++i) {
    const TextureSheet& game = TextureSheets[i];
    const SheetLayout& ours = *Layouts[i];
    SCOPED_TRACE(game.file);
    EXPECT_STREQ(ours.file, game.file);
    EXPECT_EQ(ours.tileW, game.tileWidth);
    EXPECT_EQ(ours.tileH, game.tileHeight);
    EXPECT_EQ(ours.tiles, game.tiles);
    EXPECT_EQ(ours.firstSlot, game.firstSlot);
    EXPECT_EQ(ours.alpha, game.alpha);
    EXPECT_EQ(ours.cols & (ours.cols - 1), 0) << "tiles to a row must be a power of two";
  }
}

TEST(ImageGeneratorPieces, TilesLandWhereTheGameCutsThem) {
  // Slot 9 of the 64 x 64 sheet (8 to a row) is the second tile of the second row.
  Sheet s(SmallCharacters);
  s.tile(9, [](cairo_t* cr) {
    cairo_set_source_rgb(cr, 1, 0, 0);
    cairo_paint(cr);
  });
  EXPECT_EQ(s.picture().at(64 + 10, 64 + 10)[0], 255);
  EXPECT_EQ(s.picture().at(64 + 10, 64 + 10)[3], 255);
  EXPECT_EQ(s.picture().at(10, 64 + 10)[3], 0);
  EXPECT_EQ(s.picture().at(128 + 10, 64 + 10)[3], 0);
}

TEST(ImageGeneratorPieces, TransparentPixelsTakeTheColourOfTheNearestVisibleOnes) {
  Picture p = square(16, 16, 0, 0, 0, 0);
  for (int y = 0; y < 16; ++y) {
    uint8_t* q = p.at(3, y);
    q[0] = 200, q[1] = 100, q[2] = 50, q[3] = 255;
  }
  bleedColour(p);
  EXPECT_EQ(p.at(4, 8)[0], 200);
  EXPECT_EQ(p.at(15, 8)[1], 100);  // far from the edge too
  EXPECT_EQ(p.at(0, 0)[2], 50);
  EXPECT_EQ(p.at(15, 8)[3], 0) << "alpha is left alone";
}

TEST(ImageGeneratorPieces, RenderingGivesStraightNotPremultipliedColour) {
  Picture p = render(4, 4, [](cairo_t* cr) {
    cairo_set_source_rgba(cr, 1.0, 0.5, 0.0, 0.5);
    cairo_paint(cr);
  });
  const uint8_t* q = p.at(1, 1);
  EXPECT_NEAR(q[0], 255, 2);
  EXPECT_NEAR(q[1], 128, 2);
  EXPECT_NEAR(q[3], 128, 2);
}

TEST(ImageGeneratorPieces, BandsWrapFromTheLastTileBackToTheFirst) {
  // A bar drawn across the right end of a four-tile band comes back at the left.
  Sheet s(NearLayers);
  s.band(192, 4, [](cairo_t* cr) {
    cairo_rectangle(cr, 500, 10, 30, 10);
    cairo_set_source_rgb(cr, 0, 0, 1);
    cairo_fill(cr);
  });
  EXPECT_EQ(s.picture().at(3 * 128 + 127, 15)[3], 255);  // slot 195, right edge
  EXPECT_EQ(s.picture().at(5, 15)[3], 255);              // slot 192, left edge
  EXPECT_EQ(s.picture().at(30, 15)[3], 0);
}

TEST(ImageGeneratorPieces, WrittenFilesReadBackAsDrawn) {
  TempFolder folder;
  Picture p = square(8, 4, 10, 20, 30, 255);
  uint8_t* corner = p.at(7, 0);  // top right: catches flipped or mirrored writers
  corner[0] = 250, corner[1] = 5, corner[2] = 5;
  uint8_t* clear = p.at(0, 3);  // a transparent pixel keeps its colour
  clear[0] = 90, clear[1] = 80, clear[2] = 70, clear[3] = 0;
  ASSERT_TRUE(writePng(folder.path() + "/a.PNG", p, true));
  ASSERT_TRUE(writePng(folder.path() + "/b.PNG", p, false));
  ASSERT_TRUE(writeBmp(folder.path() + "/c.bmp", p));

  Rgba a, b, c;
  ASSERT_TRUE(loadRgba(folder.path() + "/a.PNG", a));
  ASSERT_TRUE(loadRgba(folder.path() + "/b.PNG", b));
  ASSERT_TRUE(loadRgba(folder.path() + "/c.bmp", c));
  for (const Rgba* r : {&a, &b, &c}) {
    ASSERT_EQ(r->width, 8);
    ASSERT_EQ(r->height, 4);
    EXPECT_EQ(r->at(7, 0)[0], 250);
    EXPECT_EQ(r->at(7, 0)[1], 5);
    EXPECT_EQ(r->at(6, 0)[0], 10);
  }
  EXPECT_EQ(a.at(0, 3)[0], 90);
  EXPECT_EQ(a.at(0, 3)[3], 0);
  EXPECT_EQ(b.at(0, 3)[3], 255) << "an RGB file has no alpha";
}

TEST(ImageGeneratorPieces, JpegKeepsTheColoursOfFlatAreas) {
  TempFolder folder;
  Picture p = square(32, 32, 200, 40, 40, 255);
  for (int y = 16; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      uint8_t* q = p.at(x, y);
      q[0] = 30, q[1] = 60, q[2] = 220;
    }
  }
  ASSERT_TRUE(writeJpeg(folder.path() + "/a.JPG", p, 92));
  Rgba r;
  ASSERT_TRUE(loadRgba(folder.path() + "/a.JPG", r));
  EXPECT_NEAR(r.at(4, 4)[0], 200, 8);
  EXPECT_NEAR(r.at(4, 28)[2], 220, 8);
}

TEST(ImageGeneratorPieces, WritersReportAFolderThatDoesNotExist) {
  Picture p = square(2, 2, 0, 0, 0, 255);
  EXPECT_FALSE(writePng("/nonexistent/folder/a.PNG", p, true));
  EXPECT_FALSE(writeJpeg("/nonexistent/folder/a.JPG", p, 90));
  EXPECT_FALSE(writeBmp("/nonexistent/folder/a.bmp", p));
}
