// The two bitmap fonts: white glyphs with a dark rim (the game tints them by colour), one
// glyph per tile in character-code order from the space. The small font (16 x 16, codes 32
// to 159) also holds the life icon of the heads-up display at code 0x8A.
#include <cmath>

#include "lettering.h"
#include "palette.h"
#include "scenery.h"
#include "sheet.h"

namespace {
constexpr int LifeIcon = 0x8A;

void glyph(cairo_t* cr, int code, double cell) {
  if (code <= 32 || code >= 127) return;
  const char text[2] = {char(code), 0};
  const double size = cell * 0.9;
  setGameFont(cr, true, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  // Monospaced letters are narrow; widen them so a line of text reads as solid arcade type.
  const double widen = 1.3;
  cairo_translate(cr, cell / 2, 0);
  cairo_scale(cr, widen, 1.0);
  cairo_move_to(cr, -(e.x_bearing + e.width / 2), cell * 0.78);
  cairo_text_path(cr, text);
  cairo_set_line_width(cr, cell / 9.0);
  cairo_set_source_rgb(cr, 0.08, 0.08, 0.14);
  cairo_stroke_preserve(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill(cr);
}

// The pilot's helmet in miniature, one per remaining life.
void lifeIcon(cairo_t* cr) {
  ball(cr, 8, 8.5, 6.5, palette::Helmet, 1.2);
  cairo_rectangle(cr, 7, 2.5, 2, 12);
  setColour(cr, palette::Scarf);
  cairo_fill(cr);
}

Sheet font(const SheetLayout& layout) {
  Sheet s(layout);
  for (int code = 32; code < 32 + layout.tiles; ++code) {
    s.tile(code, [&](cairo_t* cr) {
      if (code == LifeIcon && layout.tileW == 16) {
        lifeIcon(cr);
      } else {
        glyph(cr, code, layout.tileW);
      }
    });
  }
  return s;
}
}  // namespace

Sheet drawSmallFont() { return font(SmallFont); }
Sheet drawLargeFont() { return font(LargeFont); }

// The window icon: the pilot's helmet on the night sky.
Picture drawIcon() {
  return renderOpaque(32, 32, [](cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 32, 32);
    fillRange(cr, rgb(0x1c4cb0), rgb(0x0a1440), 0, 32);
    ball(cr, 16, 17, 12, palette::Helmet, 1.5);
    cairo_save(cr);
    ellipsePath(cr, 16, 17, 11.3, 11.3);
    cairo_clip(cr);
    cairo_rectangle(cr, 13.5, 4, 5, 26);
    setColour(cr, palette::Scarf);
    cairo_fill(cr);
    cairo_restore(cr);
  });
}
