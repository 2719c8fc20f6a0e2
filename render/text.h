#pragma once
#include <cstdint>

#include "render/texture_sheets.h"

// The two bitmap fonts: one texture per glyph, the glyph of code c at entry c - 32.
constexpr int32_t SmallFontGlyphs = SmallFontSheet.tiles;  // codes 32..159, 16 x 16 pixels
constexpr int32_t LargeFontGlyphs = LargeFontSheet.tiles;  // codes 32..127, 32 x 32 pixels
extern uint32_t SmallFontTiles[SmallFontGlyphs];
extern uint32_t LargeFontTiles[LargeFontGlyphs];

// Uploads "resources/smallfont.PNG" and "resources/largefont.PNG"; a font that fails to
// load stays all zero and its text draws nothing.
void loadFonts();

// One line of text, the first character centred on (x, y, z), each cell 2 size wide and
// high. At most 64 characters are drawn; returns how many. Codes outside the font draw
// nothing but still take their cell.
int32_t drawSmallText(double x, double y, double z, double size, const double* colour,
                      const char* text);
int32_t drawLargeText(double x, double y, double z, double size, const double* colour,
                      const char* text);
