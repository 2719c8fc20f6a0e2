// chr64x128texs: the tall cast, drawn twice as high as wide (the game stretches these
// tiles over 128 x 256 or 64 x 128 units).
#include <cmath>

#include "palette.h"
#include "sheet.h"

using namespace palette;

namespace {
// Type 34: an upright torpedo drone, side view facing left, fins flicking.
void torpedo(cairo_t* cr, bool flick) {
  const double f = flick ? 10 : -6;
  polygonPath(cr, {{36, 80}, {60, 96 + f}, {58, 74}});
  fillLit(cr, darker(EnemyRed, 0.3), 74, 96 + f, 1.2);
  blob(cr, 32, 64, 20, 48, EnemyRed, 2.0);
  polygonPath(cr, {{22, 20}, {32, 2}, {42, 20}});
  fillLit(cr, Metal, 2, 20, 1.2);
  eye(cr, 20, 44, 7, EyeRed);
  polygonPath(cr, {{36, 48}, {62, 36 - f}, {56, 58}});
  fillLit(cr, lighter(EnemyRed, 0.2), 36 - f, 58, 1.2);
  glow(cr, 32, 118, 12, Flame);
}

// Type 37: a link of boss 38's arm, its joint light pulsing.
void armLink(cairo_t* cr, bool bright) {
  roundRectPath(cr, 12, 10, 40, 108, 18);
  fillLit(cr, rgb(0xd8d0c0), 10, 118, 2.0);
  for (int i = 0; i < 3; ++i) {
    double y = 30 + i * 34;
    roundRectPath(cr, 8, y - 4, 48, 8, 4);
    fillLit(cr, BossCrimson, y - 4, y + 4, 1.0);
  }
  glow(cr, 32, 64, bright ? 22 : 12, rgb(0xff3060));
}

// Type 26: a spring-legged hopper.
void hopper(cairo_t* cr) {
  cairo_set_line_width(cr, 3);
  setColour(cr, Metal);
  cairo_move_to(cr, 32, 70);
  for (int i = 0; i < 8; ++i) cairo_line_to(cr, i % 2 ? 22 : 42, 74 + i * 6);
  cairo_stroke(cr);
  roundRectPath(cr, 18, 116, 28, 8, 3);
  fillLit(cr, DarkMetal, 116, 124, 1.0);
  blob(cr, 32, 48, 24, 26, EnemyGreen, 2.0);
  eye(cr, 24, 44, 7, EyeRed);
  eye(cr, 42, 44, 7, EyeRed);
  polygonPath(cr, {{22, 24}, {26, 6}, {32, 22}});
  fillLit(cr, Gold, 6, 24, 1.0);
}

// Type 45: a floating lantern buoy that drifts along.
void buoy(cairo_t* cr) {
  cairo_set_line_width(cr, 2);
  setColour(cr, DarkMetal);
  cairo_move_to(cr, 32, 8);
  cairo_line_to(cr, 32, 30);
  cairo_stroke(cr);
  ball(cr, 32, 8, 5, Gold, 1.0);
  roundRectPath(cr, 14, 28, 36, 64, 12);
  fillLit(cr, EnemyTeal, 28, 92, 2.0);
  glow(cr, 32, 58, 22, rgb(0xfff080));
  roundRectPath(cr, 18, 88, 28, 14, 5);
  fillLit(cr, DarkMetal, 88, 102, 1.2);
  glow(cr, 32, 112, 12, rgb(0x80e0ff), 0.8);
}

// Type 14: a balloon carrier. With its cargo (an extra life) hanging below, and empty.
void carrier(cairo_t* cr, bool loaded, Rgb canopy) {
  ball(cr, 32, 28, 26, canopy, 2.0);
  cairo_save(cr);
  ellipsePath(cr, 32, 28, 25, 25);
  cairo_clip(cr);
  ellipsePath(cr, 32, 28, 9, 26);
  setColour(cr, {1, 1, 1}, 0.55);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_set_line_width(cr, 1.5);
  setColour(cr, rgb(0x5a4030));
  cairo_move_to(cr, 12, 44);
  cairo_line_to(cr, 26, 72);
  cairo_move_to(cr, 52, 44);
  cairo_line_to(cr, 38, 72);
  cairo_stroke(cr);
  roundRectPath(cr, 22, 70, 20, 10, 3);
  fillLit(cr, DarkMetal, 70, 80, 1.0);
  if (loaded) {
    glow(cr, 32, 100, 26, rgb(0x80ff80), 0.6);
    ball(cr, 32, 100, 17, rgb(0x40c050), 2.0);
    ball(cr, 32, 97, 8, Helmet, 1.0);
    cairo_rectangle(cr, 30.5, 89, 3, 14);
    setColour(cr, Scarf);
    cairo_fill(cr);
  } else {
    cairo_set_line_width(cr, 3);
    setColour(cr, Metal);
    cairo_move_to(cr, 32, 80);
    cairo_line_to(cr, 32, 92);
    cairo_arc_negative(cr, 38, 92, 6, M_PI, 0);
    cairo_stroke(cr);
  }
}

// Type 27: a stilt walker that paces to and fro.
void stiltWalker(cairo_t* cr) {
  cairo_set_line_width(cr, 5);
  setColour(cr, darker(EnemyOrange, 0.5));
  cairo_move_to(cr, 26, 50);
  cairo_line_to(cr, 16, 86);
  cairo_line_to(cr, 22, 124);
  cairo_move_to(cr, 38, 50);
  cairo_line_to(cr, 48, 86);
  cairo_line_to(cr, 42, 124);
  cairo_stroke(cr);
  blob(cr, 32, 36, 26, 20, EnemyOrange, 2.0);
  eye(cr, 32, 36, 9, EyeBlue);
  roundRectPath(cr, 14, 14, 36, 8, 4);
  fillLit(cr, DarkMetal, 14, 22, 1.0);
}
}  // namespace

Sheet drawTallCharacters() {
  Sheet s(TallCharacters);
  s.tile(32, [](cairo_t* cr) { torpedo(cr, false); });
  s.tile(33, [](cairo_t* cr) { torpedo(cr, true); });
  s.tile(34, [](cairo_t* cr) { armLink(cr, false); });
  s.tile(35, [](cairo_t* cr) { armLink(cr, true); });
  s.tile(36, hopper);
  s.tile(37, buoy);
  s.tile(38, [](cairo_t* cr) { carrier(cr, true, rgb(0xe05a40)); });
  s.tile(39, [](cairo_t* cr) { carrier(cr, false, rgb(0xe05a40)); });
  s.tile(40, stiltWalker);
  s.tile(41, [](cairo_t* cr) { carrier(cr, true, rgb(0x5a80e0)); });
  s.tile(42, [](cairo_t* cr) { carrier(cr, false, rgb(0x5a80e0)); });
  return s;
}
