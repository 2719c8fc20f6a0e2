// chr64x64texs: enemy bullets (1-9), the player's shots (10, 11), pick-ups (12, 13), puffs
// and flashes (14-18), small fliers, the bonus bird's chicks (24-27) and the coin chest of
// the title's coin bonus (28-31).
#include <cmath>

#include "lettering.h"
#include "palette.h"
#include "sheet.h"

using namespace palette;

namespace {
// An enemy bullet: a wide soft halo, a coloured body and a white-hot core. Bullets are
// the one thing the player must never miss, so they glow against any backdrop.
void orb(cairo_t* cr, double r, Rgb c) {
  glow(cr, 32, 32, r + 12, c, 0.8);
  ellipsePath(cr, 32, 32, r, r);
  setColour(cr, darker(c, 0.45));
  cairo_set_line_width(cr, 2.0);
  cairo_stroke(cr);
  glow(cr, 32, 32, r, lighter(c, 0.3));
  glow(cr, 32, 32, r * 0.55, {1, 1, 1});
}

void ringBullet(cairo_t* cr, Rgb c) {
  glow(cr, 32, 32, 28, c, 0.7);
  ellipsePath(cr, 32, 32, 15, 15);
  cairo_set_line_width(cr, 6);
  setColour(cr, lighter(c, 0.4));
  cairo_stroke(cr);
  glow(cr, 32, 32, 8, {1, 1, 1});
}

void starBullet(cairo_t* cr, Rgb c, int points, double inner) {
  glow(cr, 32, 32, 30, c, 0.7);
  starPath(cr, 32, 32, 24, inner, points);
  fillLit(cr, lighter(c, 0.3), 8, 56, 1.5);
  glow(cr, 32, 32, 9, {1, 1, 1});
}

void bomb(cairo_t* cr) {
  ball(cr, 32, 36, 20, rgb(0x383440), 2.0);
  cairo_save(cr);
  ellipsePath(cr, 32, 36, 19, 19);
  cairo_clip(cr);
  cairo_rectangle(cr, 10, 32, 44, 7);
  setColour(cr, EnemyRed);
  cairo_fill(cr);
  cairo_restore(cr);
  roundRectPath(cr, 27, 10, 10, 8, 2);
  fillLit(cr, Metal, 10, 18, 1.0);
  glow(cr, 32, 8, 9, FlameCore);
}

// The player's shots are drawn stretched (80 x 48) and spinning, and tinted: pale
// pictures take the tint best. The straight shot is a bladed ring, the homing one a star.
void straightShot(cairo_t* cr) {
  glow(cr, 32, 32, 31, rgb(0xc0e8ff), 0.9);
  for (int i = 0; i < 4; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 32, 32);
    cairo_rotate(cr, i * M_PI / 2);
    polygonPath(cr, {{-4, -8}, {6, -27}, {12, -22}, {4, -6}});
    setColour(cr, {1, 1, 1}, 0.95);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  ellipsePath(cr, 32, 32, 12, 12);
  cairo_set_line_width(cr, 4);
  setColour(cr, {1, 1, 1});
  cairo_stroke(cr);
}

void homingShot(cairo_t* cr) {
  glow(cr, 32, 32, 31, rgb(0xfff0c0), 0.9);
  starPath(cr, 32, 32, 28, 9, 4);
  setColour(cr, {1, 1, 1});
  cairo_fill(cr);
  starPath(cr, 32, 32, 18, 6, 4, M_PI / 4);
  setColour(cr, rgb(0xfff4d0));
  cairo_fill(cr);
  glow(cr, 32, 32, 10, {1, 1, 1});
}

void label(cairo_t* cr, const char* text, double x, double y, double size, Rgb c) {
  setGameFont(cr, false, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  cairo_move_to(cr, x - e.width / 2 - e.x_bearing, y);
  cairo_text_path(cr, text);
  setColour(cr, darker(c, 0.7));
  cairo_set_line_width(cr, 2.5);
  cairo_stroke_preserve(cr);
  setColour(cr, c);
  cairo_fill(cr);
}

// Extra life: a green capsule with the pilot's helmet in it.
void extraLife(cairo_t* cr) {
  glow(cr, 32, 32, 32, rgb(0x80ff80), 0.6);
  ball(cr, 32, 30, 24, rgb(0x40c050), 2.0);
  ball(cr, 32, 26, 12, Helmet, 1.2);
  cairo_rectangle(cr, 30, 14, 4, 22);
  setColour(cr, Scarf);
  cairo_fill(cr);
  label(cr, "1UP", 32, 56, 15, {1, 1, 1});
}

void coin(cairo_t* cr) {
  glow(cr, 32, 32, 32, rgb(0xfff080), 0.6);
  ball(cr, 32, 32, 24, Gold, 2.0);
  ellipsePath(cr, 32, 32, 18, 18);
  cairo_set_line_width(cr, 2);
  setColour(cr, darker(Gold, 0.35));
  cairo_stroke(cr);
  label(cr, "B", 32, 41, 24, lighter(Gold, 0.4));
}

void sparkle(cairo_t* cr) {
  glow(cr, 32, 32, 26, rgb(0xfff0a0), 0.7);
  starPath(cr, 32, 32, 30, 5, 4);
  setColour(cr, {1, 1, 1});
  cairo_fill(cr);
}

void warningFlash(cairo_t* cr) {
  glow(cr, 32, 32, 32, rgb(0xff3020), 0.9);
  starPath(cr, 32, 32, 30, 12, 8);
  setColour(cr, rgb(0xffe0c0), 0.95);
  cairo_fill(cr);
  ellipsePath(cr, 32, 32, 20, 20);
  cairo_set_line_width(cr, 4);
  setColour(cr, rgb(0xff2010));
  cairo_stroke(cr);
  glow(cr, 32, 32, 12, {1, 1, 1});
}

// Type 19: a small swooping bat-drone, seen head-on, wings up and down.
void swooper(cairo_t* cr, bool down) {
  const double w = down ? 14 : -16;
  for (int side = -1; side <= 1; side += 2) {
    polygonPath(cr, {{32.0 + side * 6, 30},
                     {32.0 + side * 30, 30 + w},
                     {32.0 + side * 24, 38},
                     {32.0 + side * 10, 40}});
    fillLit(cr, darker(EnemyPurple, 0.2), 30 + std::min(0.0, w), 40 + std::max(0.0, w), 1.2);
  }
  ball(cr, 32, 34, 12, EnemyPurple, 1.5);
  eye(cr, 32, 34, 5, EyeGreen);
}

// The bonus bird's chicks, facing right (side) and seen from behind (flying away).
void chickSide(cairo_t* cr, double s) {
  cairo_translate(cr, 32, 32);
  cairo_scale(cr, s, s);
  polygonPath(cr, {{-4, -2}, {-14, -20}, {-20, -16}, {-10, 2}});
  fillLit(cr, darker(Gold, 0.15), -20, 2, 1.2);
  blob(cr, -2, 6, 18, 14, lighter(Gold, 0.15), 1.5);
  ball(cr, 16, -4, 11, lighter(Gold, 0.3), 1.2);
  polygonPath(cr, {{25, -6}, {32, -3}, {25, 0}});
  fillLit(cr, rgb(0xf08020), -6, 0, 1.0);
  ellipsePath(cr, 18, -7, 2, 2.5);
  setColour(cr, rgb(0x202030));
  cairo_fill(cr);
}
void chickBack(cairo_t* cr, double s) {
  cairo_translate(cr, 32, 32);
  cairo_scale(cr, s, s);
  for (int side = -1; side <= 1; side += 2) {
    polygonPath(cr, {{side * 6.0, -2}, {side * 26.0, -16}, {side * 22.0, 4}, {side * 8.0, 10}});
    fillLit(cr, darker(Gold, 0.15), -16, 10, 1.2);
  }
  blob(cr, 0, 8, 15, 16, lighter(Gold, 0.15), 1.5);
  ball(cr, 0, -10, 10, lighter(Gold, 0.3), 1.2);
  polygonPath(cr, {{-5, 22}, {0, 30}, {5, 22}});
  fillLit(cr, Gold, 22, 30, 1.0);
}

// The coin chest of the title's coin bonus, 128 x 64 across two tiles: shut, then open
// with a coin leaping out. half 0 is the left tile, 1 the right.
void chest(cairo_t* cr, bool open, int half) {
  cairo_translate(cr, -64.0 * half, 0);
  const Rgb wood = rgb(0xa0602c);
  roundRectPath(cr, 22, 30, 84, 32, 4);
  fillLit(cr, wood, 30, 62, 2.0);
  for (double x : {34.0, 94.0}) {
    cairo_rectangle(cr, x - 3, 30, 6, 32);
    fillLit(cr, Gold, 30, 62, 1.0);
  }
  if (open) {
    glow(cr, 64, 30, 40, rgb(0xfff0a0), 0.9);
    polygonPath(cr, {{22, 30}, {30, 6}, {98, 6}, {106, 30}});
    setColour(cr, darker(wood, 0.5));
    cairo_fill(cr);
    ball(cr, 64, 16, 12, Gold, 1.5);
    starPath(cr, 40, 12, 7, 2, 4);
    starPath(cr, 88, 10, 7, 2, 4);
    setColour(cr, {1, 1, 1});
    cairo_fill(cr);
  } else {
    cairo_new_path(cr);
    cairo_move_to(cr, 22, 32);
    cairo_curve_to(cr, 22, 12, 106, 12, 106, 32);
    cairo_close_path(cr);
    fillLit(cr, lighter(wood, 0.1), 14, 32, 2.0);
  }
  roundRectPath(cr, 58, 30, 12, 14, 2);
  fillLit(cr, Gold, 30, 44, 1.0);
}
}  // namespace

Sheet drawSmallCharacters() {
  Sheet s(SmallCharacters);
  s.tile(0, [](cairo_t* cr) { ringBullet(cr, rgb(0xfff060)); });
  s.tile(1, [](cairo_t* cr) { orb(cr, 13, rgb(0xff5020)); });
  s.tile(2, [](cairo_t* cr) { orb(cr, 14, rgb(0x70ff40)); });
  s.tile(3, [](cairo_t* cr) { ringBullet(cr, rgb(0x40a0ff)); });
  s.tile(4, [](cairo_t* cr) { starBullet(cr, rgb(0xffe040), 4, 6); });
  s.tile(5, [](cairo_t* cr) { starBullet(cr, rgb(0xff60c0), 3, 9); });
  s.tile(6, [](cairo_t* cr) { orb(cr, 12, rgb(0xb060ff)); });
  s.tile(7, [](cairo_t* cr) {
    glow(cr, 32, 32, 28, rgb(0x40f0f0), 0.7);
    polygonPath(cr, {{32, 8}, {48, 32}, {32, 56}, {16, 32}});
    fillLit(cr, rgb(0x80ffff), 8, 56, 1.5);
    glow(cr, 32, 32, 9, {1, 1, 1});
  });
  s.tile(8, [](cairo_t* cr) { orb(cr, 18, rgb(0xff40e0)); });
  s.tile(9, bomb);
  s.tile(10, homingShot);
  s.tile(11, straightShot);
  s.tile(12, extraLife);
  s.tile(13, coin);
  s.tile(14, sparkle);
  s.tile(15, [](cairo_t* cr) { cloud(cr, 32, 32, 26, mix(Smoke, Scorch, 0.6), 0.9, 15); });
  s.tile(16, [](cairo_t* cr) { cloud(cr, 32, 34, 26, Dust, 0.9, 16); });
  s.tile(17, [](cairo_t* cr) {
    cloud(cr, 32, 32, 26, lighter(mix(Smoke, Flame, 0.15), 0.5), 1.0, 17);
  });
  s.tile(18, warningFlash);
  s.tile(19, [](cairo_t* cr) { swooper(cr, false); });
  s.tile(20, [](cairo_t* cr) { swooper(cr, true); });
  s.tile(24, [](cairo_t* cr) { chickSide(cr, 0.75); });
  s.tile(25, [](cairo_t* cr) { chickBack(cr, 0.75); });
  s.tile(26, [](cairo_t* cr) { chickSide(cr, 0.92); });
  s.tile(27, [](cairo_t* cr) { chickBack(cr, 0.92); });
  for (int i = 0; i < 4; ++i) s.tile(28 + i, [i](cairo_t* cr) { chest(cr, i >= 2, i & 1); });
  return s;
}
