#pragma once
#include <cstdint>
#include <string>

// Pictures the gallery makes for itself, so that it runs without resources/.

// Fills both font tables with glyphs drawn from a system font, for the codes 32..127.
void makeStandInFonts();
// A sprite that shows which way up and which way round it is drawn: an arrow pointing
// up and to the left on a tinted square with a bright top edge.
uint32_t makeArrowSprite();
// A round soft-edged sprite in the given colour (0xRRGGBB).
uint32_t makeGlowSprite(uint32_t rgb);
// A tiled ground picture of 64 x 64 pixels.
uint32_t makeGroundTile();

// Writes the current back buffer as a PNG file; false when the file cannot be written.
bool writeScreenPng(const std::string& path);
