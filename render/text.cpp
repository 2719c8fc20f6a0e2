#include "render/text.h"

#include "render/quads.h"
#include "render/texture_upload.h"

uint32_t SmallFontTiles[SmallFontGlyphs];
uint32_t LargeFontTiles[LargeFontGlyphs];

namespace {
constexpr int32_t MaxLineLength = 64;
constexpr int32_t FirstGlyphCode = SmallFontSheet.firstSlot;
static_assert(LargeFontSheet.firstSlot == FirstGlyphCode);
constexpr int32_t NearestFilter = 0;  // glyphs stay sharp whatever the texture setting

int32_t drawText(const uint32_t* tiles, int32_t glyphs, double x, double y, double z, double size,
                 const double* colour, const char* text) {
  if (!text) return 0;
  int32_t i = 0;
  for (; i < MaxLineLength && text[i] != 0; ++i) {
    int32_t glyph = int32_t(static_cast<unsigned char>(text[i])) - FirstGlyphCode;
    if (glyph < 0 || glyph >= glyphs) continue;
    drawTexturedQuad(x + 2.0 * (i * size), y, z, size, size, 0.0, colour, tiles[glyph]);
  }
  return i;
}
}  // namespace

void loadFonts() {
  uploadSheetTiles(SmallFontSheet, SmallFontTiles, NearestFilter);
  uploadSheetTiles(LargeFontSheet, LargeFontTiles, NearestFilter);
}

int32_t drawSmallText(double x, double y, double z, double size, const double* colour,
                      const char* text) {
  return drawText(SmallFontTiles, SmallFontGlyphs, x, y, z, size, colour, text);
}

int32_t drawLargeText(double x, double y, double z, double size, const double* colour,
                      const char* text) {
  return drawText(LargeFontTiles, LargeFontGlyphs, x, y, z, size, colour, text);
}
