#include "sheet.h"

// clang-format off
//                                       file                  tile w  h  tiles cols slot  alpha
const SheetLayout SmallCharacters   = {"chr64x64texs.PNG",      64,  64,  32,  8,    0, true};
const SheetLayout TallCharacters    = {"chr64x128texs.PNG",     64, 128,  16,  8,   32, true};
const SheetLayout PlayerAndEffects  = {"chr128x128texs1.PNG",  128, 128,  32,  8,   48, true};
const SheetLayout Cast              = {"chr128x128texs2.PNG",  128, 128,  32,  8,   80, true};
const SheetLayout Ground            = {"ground.PNG",            64,  64,   1,  1,  128, false};
const SheetLayout Skies             = {"sky.PNG",               32, 256,   8,  8,  144, false};
const SheetLayout FarLayers         = {"bkBacks.PNG",          128, 128,  16,  4,  160, true};
const SheetLayout NearLayers        = {"frBacks.PNG",          128,  64,  16,  4,  192, true};
const SheetLayout TitlePicture      = {"mavutitle02.JPG",      512, 512,   1,  1,  224, false};
const SheetLayout RankingPicture    = {"ranktitle.JPG",        512, 512,   1,  1,  225, false};
const SheetLayout AltTitlePicture   = {"uratite2.JPG",         256, 256,   1,  1,  226, false};
const SheetLayout TitlePieces       = {"titletexs.PNG",        256, 128,   4,  2,  227, true};
const SheetLayout SmallFont         = {"smallfont.PNG",         16,  16, 128, 16,   32, true};
const SheetLayout LargeFont         = {"largefont.PNG",         32,  32,  96, 16,   32, true};
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
