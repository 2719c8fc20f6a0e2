#pragma once
#include <cstdint>

// The picture files the game cuts into textures: the one table the game loads by and the
// picture generator draws by.

// One picture file cut into tiles for consecutive slots. Tiles run row by row; a row
// holds a power of two of them (the game takes the count from the picture's width).
struct TextureSheet {
  const char* file;  // under "resources/"
  int32_t tileWidth, tileHeight, tiles, firstSlot;
  bool alpha;          // RGBA, else RGB
  bool alwaysNearest;  // the title pictures and the fonts ignore the filter setting
  double greyAfter;    // loading grey shown after it; negative: none
};

constexpr int32_t TextureSlotCount = 256;
constexpr int32_t TextureSheetCount = 12;

// clang-format off
inline constexpr TextureSheet TextureSheets[TextureSheetCount] = {
  // file                    tile w  tile h tiles slot  alpha  nearest grey after
  {"chr64x64texs.PNG",        64,  64,   32,    0, true,  false, -1.0},
  {"chr64x128texs.PNG",       64, 128,   16,   32, true,  false,  0.9},
  {"chr128x128texs1.PNG",    128, 128,   32,   48, true,  false,  0.8},
  {"chr128x128texs2.PNG",    128, 128,   32,   80, true,  false,  0.7},
  {"ground.PNG",              64,  64,    1,  128, false, false,  0.6},
  {"sky.PNG",                 32, 256,    8,  144, false, false,  0.5},
  {"bkBacks.PNG",            128, 128,   16,  160, true,  false,  0.4},
  {"frBacks.PNG",            128,  64,   16,  192, true,  false,  0.3},
  {"mavutitle02.JPG",        512, 512,    1,  224, false, true,   0.2},
  {"ranktitle.JPG",          512, 512,    1,  225, false, true,   0.1},
  {"uratite2.JPG",           256, 256,    1,  226, false, true,   0.0},
  {"titletexs.PNG",          256, 128,    4,  227, true,  true,  -1.0},
};

// The two bitmap fonts: one texture per glyph, in tables of their own; the first "slot"
// is the character code of the first glyph.
inline constexpr TextureSheet SmallFontSheet =
  {"smallfont.PNG",           16,  16,  128,   32, true,  true,  -1.0};  // codes 32..159
inline constexpr TextureSheet LargeFontSheet =
  {"largefont.PNG",           32,  32,   96,   32, true,  true,  -1.0};  // codes 32..127
// clang-format on
