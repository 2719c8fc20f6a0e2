#include "sheet.h"

namespace {
// The game's row for the file, drawn cols tiles to a row.
constexpr SheetLayout drawnAs(const TextureSheet& game, int cols) {
  return {game.file, game.tileWidth, game.tileHeight, game.tiles, cols, game.firstSlot, game.alpha};
}
}  // namespace

// clang-format off
//                                              the game's row     tiles to a row
const SheetLayout SmallCharacters   = drawnAs(TextureSheets[0],   8);
const SheetLayout TallCharacters    = drawnAs(TextureSheets[1],   8);
const SheetLayout PlayerAndEffects  = drawnAs(TextureSheets[2],   8);
const SheetLayout Cast              = drawnAs(TextureSheets[3],   8);
const SheetLayout Ground            = drawnAs(TextureSheets[4],   1);
const SheetLayout Skies             = drawnAs(TextureSheets[5],   8);
const SheetLayout FarLayers         = drawnAs(TextureSheets[6],   4);
const SheetLayout NearLayers        = drawnAs(TextureSheets[7],   4);
const SheetLayout TitlePicture      = drawnAs(TextureSheets[8],   1);
const SheetLayout RankingPicture    = drawnAs(TextureSheets[9],   1);
const SheetLayout AltTitlePicture   = drawnAs(TextureSheets[10],  1);
const SheetLayout TitlePieces       = drawnAs(TextureSheets[11],  2);
const SheetLayout SmallFont         = drawnAs(SmallFontSheet,    16);
const SheetLayout LargeFont         = drawnAs(LargeFontSheet,    16);
// clang-format on

Sheet::Sheet(const SheetLayout& layout)
    : layout_(layout),
      picture_(layout.tileW * layout.cols,
               layout.tileH * ((layout.tiles + layout.cols - 1) / layout.cols)) {
  // Unused tiles stay transparent; opaque sheets start black.
  if (!layout.alpha) {
    for (size_t i = 3; i < picture_.rgba.size(); i += 4) picture_.rgba[i] = 255;
  }
}

void Sheet::put(int slot, const Picture& tile) {
  int i = slot - layout_.firstSlot;
  if (i < 0 || i >= layout_.tiles) return;
  picture_.paste(tile, (i % layout_.cols) * layout_.tileW, (i / layout_.cols) * layout_.tileH);
}

void Sheet::tile(int slot, const DrawFn& fn) {
  put(slot, layout_.alpha ? render(layout_.tileW, layout_.tileH, fn)
                          : renderOpaque(layout_.tileW, layout_.tileH, fn));
}

void Sheet::band(int firstSlot, int count, const DrawFn& fn) {
  const int width = layout_.tileW * count;
  auto wrapped = [&](cairo_t* cr) {
    for (int shift = -1; shift <= 1; ++shift) {
      cairo_save(cr);
      cairo_translate(cr, shift * width, 0);
      fn(cr);
      cairo_restore(cr);
    }
  };
  Picture strip = layout_.alpha ? render(width, layout_.tileH, wrapped)
                                : renderOpaque(width, layout_.tileH, wrapped);
  for (int i = 0; i < count; ++i) {
    put(firstSlot + i, strip.crop(i * layout_.tileW, 0, layout_.tileW, layout_.tileH));
  }
}
