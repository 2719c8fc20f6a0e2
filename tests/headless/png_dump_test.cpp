// The screen dump's file: the rows OpenGL reads bottom first come out top first.
#include "tools/headless/png_dump.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace {
// The R, G, B of a pixel of a 24-bit picture.
void rgbAt(SDL_Surface* s, int x, int y, uint8_t rgb[3]) {
  const auto* p = static_cast<const uint8_t*>(s->pixels) + y * s->pitch + x * 3;
  uint32_t value = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
  SDL_GetRGB(value, s->format, &rgb[0], &rgb[1], &rgb[2]);
}
}  // namespace

TEST(PngDump, RowsReadBottomUpAreWrittenTopDownAndAFolderThatIsNotThereFails) {
  TempFolder folder;
  // Three wide, two high: the bottom row (first in memory) red, the top row blue but for
  // its last pixel, green, which a mirrored writer would move.
  const uint8_t pixels[] = {255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 255, 0, 255, 0};
  for (bool bottomUp : {true, false}) {
    std::string path = folder.path() + (bottomUp ? "/up.png" : "/down.png");
    ASSERT_TRUE(writeRgbPng(path, pixels, 3, 2, bottomUp));
    SDL_Surface* s = IMG_Load(path.c_str());
    ASSERT_NE(s, nullptr);
    ASSERT_EQ(s->format->BitsPerPixel, 24);
    uint8_t top[3], topRight[3], bottom[3];
    rgbAt(s, 0, 0, top);
    rgbAt(s, 2, bottomUp ? 0 : 1, topRight);
    rgbAt(s, 0, 1, bottom);
    SDL_FreeSurface(s);
    SCOPED_TRACE(bottomUp ? "bottom up" : "top down");
    EXPECT_EQ(top[bottomUp ? 2 : 0], 255);
    EXPECT_EQ(bottom[bottomUp ? 0 : 2], 255);
    EXPECT_EQ(topRight[1], 255);
  }
  EXPECT_FALSE(writeRgbPng("/nonexistent/folder/a.png", pixels, 3, 2, true));
}
