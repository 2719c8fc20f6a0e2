// chr128x128texs2: the flying cast. Enemies face left (the game mirrors them when they
// move right); the bonus character and its followers face right.
#include <cmath>

#include "palette.h"
#include "sheet.h"

using namespace palette;

namespace {
// Types 15 and 17: the common fighter, a delta wing seen head-on with one red eye.
void fighter(cairo_t* cr) {
  polygonPath(cr, {{6, 76}, {52, 46}, {64, 30}, {76, 46}, {122, 76}, {78, 72}, {64, 96}, {50, 72}});
  fillLit(cr, EnemyRed, 30, 96, 2.0);
  polygonPath(cr, {{58, 40}, {64, 14}, {70, 40}});
  fillLit(cr, darker(EnemyRed, 0.3), 14, 40, 1.5);
  blob(cr, 64, 60, 16, 16, lighter(EnemyRed, 0.15));
  eye(cr, 64, 61, 8, EyeRed);
  glow(cr, 10, 76, 7, Flame);
  glow(cr, 118, 76, 7, Flame);
}

// Type 18: an armoured hatch. Closed (0), opening (1), open with its soft core out (2).
void hatch(cairo_t* cr, int stage) {
  const double open = stage * 10.0;
  if (stage > 0) {
    ball(cr, 64, 64, 24, rgb(0xff7090));
    glow(cr, 64, 64, 30 + stage * 6, rgb(0xffa0c0), 0.8);
    if (stage == 2) eye(cr, 64, 64, 12, EyeGreen);
  }
  for (int side = -1; side <= 1; side += 2) {
    cairo_save(cr);
    cairo_translate(cr, 64 + side * open, 64);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 42, side < 0 ? M_PI / 2 : -M_PI / 2, side < 0 ? 3 * M_PI / 2 : M_PI / 2);
    cairo_close_path(cr);
    fillLit(cr, rgb(0xc8c0d8), -42, 42, 2.0);
    for (int i = -2; i <= 2; ++i) ball(cr, side * 28, i * 14.0, 4, Metal, 1.0);
    cairo_restore(cr);
  }
}

// Types 41 and 42: the serpent. Head with jaws closed, open, and glowing to fire;
// the body is a chain of plated rings.
void serpentHead(cairo_t* cr, int frame) {
  const Rgb skin = rgb(0x2f9a70);
  const double jaw = frame == 1 ? 16 : (frame == 2 ? 10 : 2);
  polygonPath(cr, {{14, 70 + jaw}, {60, 66}, {110, 78}, {86, 98 + jaw}, {30, 90 + jaw}});
  fillLit(cr, darker(skin, 0.2), 66, 100 + jaw, 2.0);
  if (jaw > 4) {
    polygonPath(cr, {{18, 68}, {60, 64}, {60, 68 + jaw}, {22, 70 + jaw}});
    setColour(cr, rgb(0x801828));
    cairo_fill(cr);
  }
  polygonPath(cr, {{8, 62}, {30, 34}, {80, 22}, {118, 44}, {114, 74}, {60, 70}});
  fillLit(cr, skin, 22, 74, 2.0);
  for (int i = 0; i < 3; ++i) {
    const double x = 70 + i * 14.0, y = 28 - i * 2.0;
    polygonPath(cr, {{x, y}, {x + 14, 6 + i * 2.0}, {x + 16, 32}});
    fillLit(cr, Gold, 6, 32, 1.0);
  }
  eye(cr, 48, 44, 9, frame == 2 ? rgb(0xff80ff) : rgb(0xffe040));
  if (frame == 2) glow(cr, 24, 72, 26, rgb(0xa0ff60), 0.9);
}
void serpentRing(cairo_t* cr) {
  const Rgb skin = rgb(0x2f9a70);
  ball(cr, 64, 64, 44, skin, 2.0);
  for (int i = 0; i < 3; ++i) {
    double y = 40 + i * 24;
    roundRectPath(cr, 34 - (i == 1 ? 8 : 0), y - 6, 60 + (i == 1 ? 16 : 0), 12, 6);
    fillLit(cr, Gold, y - 6, y + 6, 1.2);
  }
  polygonPath(cr, {{56, 22}, {64, 2}, {72, 22}});
  fillLit(cr, Gold, 2, 22, 1.0);
}

// Type 24 and its two kinds of satellites.
void orbBoss(cairo_t* cr) {
  // A ringed orb: the far half of the ring behind the body, the near half in front.
  auto ring = [cr](double from, double to) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, from, 128, to - from);
    cairo_clip(cr);
    ellipsePath(cr, 64, 70, 62, 16);
    cairo_new_sub_path(cr);
    ellipsePath(cr, 64, 70, 48, 10);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    fillLit(cr, Gold, 54, 86, 1.5);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_restore(cr);
  };
  ring(0, 70);
  ball(cr, 64, 60, 40, BossCrimson, 2.0);
  ring(70, 128);
  eye(cr, 64, 50, 15, rgb(0xffd040));
}

void spikeSatellite(cairo_t* cr) {
  starPath(cr, 64, 64, 56, 24, 8);
  fillLit(cr, Metal, 8, 120, 2.0);
  ball(cr, 64, 64, 26, BossCrimson);
  eye(cr, 64, 64, 10, EyeRed);
}
void ringSatellite(cairo_t* cr) {
  ellipsePath(cr, 64, 64, 52, 52);
  cairo_new_sub_path(cr);
  ellipsePath(cr, 64, 64, 34, 34);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  fillLit(cr, Gold, 12, 116, 2.0);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  ball(cr, 64, 64, 16, BossCrimson);
  glow(cr, 64, 64, 14, rgb(0xffa040), 0.8);
}

// Type 30: the bomber fortress, bomb bay shut (0) or open (1).
void bomber(cairo_t* cr, bool open) {
  polygonPath(cr, {{2, 60}, {26, 36}, {102, 36}, {126, 60}, {106, 84}, {22, 84}});
  fillLit(cr, rgb(0x585868), 36, 84, 2.0);
  polygonPath(cr, {{36, 36}, {50, 14}, {78, 14}, {92, 36}});
  fillLit(cr, BossCrimson, 14, 36, 2.0);
  eye(cr, 50, 25, 6, EyeRed);
  eye(cr, 78, 25, 6, EyeRed);
  for (int i = 0; i < 4; ++i) ball(cr, 22 + i * 28, 56, 5, Gold, 1.0);
  roundRectPath(cr, 38, 80, 52, 22, 6);
  fillLit(cr, DarkMetal, 80, 102, 1.5);
  if (open) {
    roundRectPath(cr, 44, 86, 40, 14, 4);
    setColour(cr, rgb(0x200808));
    cairo_fill(cr);
    ball(cr, 64, 96, 9, rgb(0x303030));
    glow(cr, 64, 100, 20, Fire, 0.6);
  }
}

// Type 38: the masked boss whose arms sweep around it; its eyes pulse.
void maskBoss(cairo_t* cr, bool bright) {
  polygonPath(cr, {{20, 30}, {64, 8}, {108, 30}, {112, 80}, {64, 122}, {16, 80}});
  fillLit(cr, rgb(0xd8d0c0), 8, 122, 2.0);
  polygonPath(cr, {{20, 30}, {64, 8}, {64, 122}, {16, 80}});
  setColour(cr, {1, 1, 1}, 0.18);
  cairo_fill(cr);
  polygonPath(cr, {{30, 50}, {56, 46}, {52, 62}, {32, 62}});
  polygonPath(cr, {{98, 50}, {72, 46}, {76, 62}, {96, 62}});
  setColour(cr, rgb(0x281020));
  cairo_fill(cr);
  glow(cr, 44, 55, bright ? 18 : 10, rgb(0xff3060));
  glow(cr, 84, 55, bright ? 18 : 10, rgb(0xff3060));
  cairo_set_line_width(cr, 3);
  setColour(cr, BossCrimson);
  cairo_move_to(cr, 44, 90);
  cairo_curve_to(cr, 56, 100, 72, 100, 84, 90);
  cairo_stroke(cr);
  polygonPath(cr, {{60, 14}, {64, 2}, {68, 14}});
  fillLit(cr, Gold, 2, 14, 1.0);
}

// Type 22: a hovering sentinel lantern; its lamps blink between frames.
void sentinel(cairo_t* cr, bool lit) {
  roundRectPath(cr, 38, 18, 52, 92, 20);
  fillLit(cr, EnemyTeal, 18, 110, 2.0);
  roundRectPath(cr, 30, 52, 68, 24, 10);
  fillLit(cr, DarkMetal, 52, 76, 1.5);
  eye(cr, 64, 64, 10, EyeBlue);
  for (int i = -1; i <= 1; i += 2) {
    ball(cr, 64 + i * 24, 30, 6, lit ? rgb(0xffe060) : DarkMetal, 1.0);
    if (lit) glow(cr, 64 + i * 24, 30, 14, rgb(0xffe060), 0.8);
  }
  glow(cr, 64, 116, 14, rgb(0x80e0ff), 0.8);
}

// Type 21: a great manta, side view facing left, wings up (0) or down (1).
void manta(cairo_t* cr, bool down) {
  const double w = down ? 34 : -34;
  polygonPath(cr, {{52, 62}, {84, 62 + w}, {100, 62 + w * 0.9}, {80, 70}});
  fillLit(cr, darker(EnemyPurple, 0.3), 62 + std::min(0.0, w), 62 + std::max(0.0, w), 1.5);
  ellipsePath(cr, 64, 66, 54, 16);
  fillLit(cr, EnemyPurple, 50, 82, 2.0);
  polygonPath(cr, {{110, 62}, {126, 50}, {122, 70}});
  fillLit(cr, EnemyPurple, 50, 70, 1.5);
  polygonPath(cr, {{44, 60}, {70, 60 + w * 1.1}, {90, 60 + w}, {72, 68}});
  fillLit(cr, lighter(EnemyPurple, 0.2), 60 + std::min(0.0, w), 60 + std::max(0.0, w), 1.5);
  eye(cr, 24, 62, 6, EyeGreen);
}

// Type 6 elsewhere: a desert crawler tank.
void tank(cairo_t* cr) {
  roundRectPath(cr, 12, 92, 104, 30, 14);
  fillLit(cr, DarkMetal, 92, 122, 2.0);
  for (int i = 0; i < 5; ++i) ball(cr, 26 + i * 19, 107, 7, Metal, 1.0);
  polygonPath(cr, {{22, 92}, {34, 62}, {94, 62}, {106, 92}});
  fillLit(cr, rgb(0xc89048), 62, 92, 2.0);
  roundRectPath(cr, 4, 66, 44, 8, 3);
  fillLit(cr, DarkMetal, 66, 74, 1.0);
  eye(cr, 70, 76, 8, EyeRed);
}

// Type 16: a spinning top drone, blades in two positions.
void spinner(cairo_t* cr, bool turned) {
  for (int i = 0; i < 4; ++i) {
    double a = i * M_PI / 2 + (turned ? M_PI / 4 : 0);
    cairo_save(cr);
    cairo_translate(cr, 64, 56);
    cairo_scale(cr, 1.0, 0.35);
    cairo_rotate(cr, a);
    polygonPath(cr, {{0, -6}, {58, -14}, {60, 12}, {0, 6}});
    fillLit(cr, rgb(0xd0d8e0), -14, 14, 1.5);
    cairo_restore(cr);
  }
  polygonPath(cr, {{34, 60}, {94, 60}, {64, 118}});
  fillLit(cr, EnemyGreen, 60, 118, 2.0);
  ball(cr, 64, 56, 18, lighter(EnemyGreen, 0.1));
  eye(cr, 64, 74, 8, EyeRed);
}

// Type 31: a winged hunter, side view facing left; wings beat (frames 0, 1), then it
// hangs and spits fire with its beak open (frames 2, 3).
void hunter(cairo_t* cr, int frame) {
  const bool up = frame == 0 || frame == 2;
  const double w = up ? -40 : 26;
  polygonPath(cr, {{70, 60}, {96, 60 + w}, {110, 62 + w * 0.8}, {92, 70}});
  fillLit(cr, darker(EnemyOrange, 0.35), 60 + std::min(0.0, w), 70 + std::max(0.0, w), 1.5);
  ellipsePath(cr, 70, 70, 40, 20);
  fillLit(cr, EnemyOrange, 50, 90, 2.0);
  polygonPath(cr, {{104, 64}, {126, 54}, {124, 80}});
  fillLit(cr, EnemyOrange, 54, 80, 1.5);
  ball(cr, 34, 58, 18, lighter(EnemyOrange, 0.15));
  const double beak = frame >= 2 ? 10 : 2;
  polygonPath(cr, {{20, 54}, {2, 60}, {20, 62}});
  polygonPath(cr, {{20, 62}, {4, 62 + beak}, {22, 66}});
  fillLit(cr, Gold, 54, 72, 1.2);
  if (frame >= 2) glow(cr, 14, 64, 13, rgb(0x80ffff), frame == 3 ? 1.0 : 0.7);
  eye(cr, 32, 54, 6, EyeRed);
  polygonPath(cr, {{58, 66}, {84, 66 + w}, {100, 66 + w * 0.9}, {80, 76}});
  fillLit(cr, lighter(EnemyOrange, 0.2), 66 + std::min(0.0, w), 76 + std::max(0.0, w), 1.5);
}

// Type 33 and the courier that drifts away after boss 38: a friendly bird with a
// messenger bag, side view facing left, wings up and down.
void courier(cairo_t* cr, bool down) {
  const double w = down ? 30 : -36;
  polygonPath(cr, {{66, 58}, {86, 58 + w}, {100, 58 + w * 0.8}, {84, 66}});
  fillLit(cr, darker(rgb(0x60b0f0), 0.3), 58 + std::min(0.0, w), 66 + std::max(0.0, w), 1.5);
  blob(cr, 68, 70, 32, 22, rgb(0x60b0f0));
  polygonPath(cr, {{96, 64}, {122, 56}, {118, 80}});
  fillLit(cr, rgb(0x60b0f0), 56, 80, 1.5);
  ball(cr, 38, 54, 18, lighter(rgb(0x60b0f0), 0.3));
  polygonPath(cr, {{22, 52}, {6, 58}, {22, 62}});
  fillLit(cr, Gold, 52, 62, 1.2);
  ellipsePath(cr, 33, 50, 5, 6);
  setColour(cr, {1, 1, 1});
  cairo_fill(cr);
  ellipsePath(cr, 32, 51, 2.5, 3);
  setColour(cr, rgb(0x202030));
  cairo_fill(cr);
  roundRectPath(cr, 56, 76, 26, 20, 4);
  fillLit(cr, rgb(0xb07038), 76, 96, 1.2);
  polygonPath(cr, {{54, 62}, {74, 62 + w}, {90, 62 + w * 0.9}, {74, 72}});
  fillLit(cr, lighter(rgb(0x60b0f0), 0.2), 62 + std::min(0.0, w), 72 + std::max(0.0, w), 1.5);
}

// Type 43, the golden bird of the bonus stages, facing right: in flight, and showing off
// with its wings spread toward the camera. Its chicks follow in a line.
void goldenBird(cairo_t* cr, bool showing) {
  if (showing) {
    for (int side = -1; side <= 1; side += 2) {
      polygonPath(cr, {{64.0 + side * 10, 60},
                       {64.0 + side * 60, 20},
                       {64.0 + side * 56, 52},
                       {64.0 + side * 40, 76}});
      fillLit(cr, Gold, 20, 76, 1.5);
    }
    blob(cr, 64, 74, 22, 30, lighter(Gold, 0.1));
    ball(cr, 64, 36, 16, lighter(Gold, 0.2));
    polygonPath(cr, {{58, 40}, {64, 52}, {70, 40}});
    fillLit(cr, rgb(0xf08020), 40, 52, 1.0);
    for (int side = -1; side <= 1; side += 2) {
      ellipsePath(cr, 64 + side * 7, 32, 3, 4);
      setColour(cr, rgb(0x202030));
      cairo_fill(cr);
    }
    glow(cr, 64, 64, 60, rgb(0xfff0a0), 0.35);
    return;
  }
  polygonPath(cr, {{60, 56}, {34, 16}, {22, 22}, {46, 66}});
  fillLit(cr, darker(Gold, 0.2), 16, 66, 1.5);
  blob(cr, 60, 70, 36, 22, Gold);
  polygonPath(cr, {{28, 66}, {4, 54}, {8, 84}});
  fillLit(cr, Gold, 54, 84, 1.5);
  ball(cr, 94, 54, 18, lighter(Gold, 0.2));
  polygonPath(cr, {{110, 50}, {126, 56}, {110, 60}});
  fillLit(cr, rgb(0xf08020), 50, 60, 1.0);
  ellipsePath(cr, 98, 50, 3, 4);
  setColour(cr, rgb(0x202030));
  cairo_fill(cr);
  polygonPath(cr, {{70, 60}, {50, 20}, {36, 24}, {56, 70}});
  fillLit(cr, lighter(Gold, 0.25), 20, 70, 1.5);
}

// Type 23, the mid-boss: an armoured beetle with a shell that shots chip away.
void beetle(cairo_t* cr) {
  for (int i = 0; i < 3; ++i) {
    cairo_set_line_width(cr, 5);
    setColour(cr, darker(EnemyGreen, 0.5));
    cairo_move_to(cr, 40, 70 + i * 14);
    cairo_line_to(cr, 12, 80 + i * 16);
    cairo_move_to(cr, 88, 70 + i * 14);
    cairo_line_to(cr, 116, 80 + i * 16);
    cairo_stroke(cr);
  }
  blob(cr, 64, 72, 42, 46, rgb(0x40b060), 2.0);
  cairo_set_line_width(cr, 2);
  setColour(cr, darker(EnemyGreen, 0.5));
  cairo_move_to(cr, 64, 30);
  cairo_line_to(cr, 64, 118);
  cairo_stroke(cr);
  ball(cr, 64, 30, 16, DarkMetal);
  eye(cr, 57, 28, 5, EyeRed);
  eye(cr, 71, 28, 5, EyeRed);
  glow(cr, 44, 52, 14, {1, 1, 1}, 0.5);
  for (int i = 0; i < 2; ++i) ball(cr, 44 + i * 40, 88, 6, Gold, 1.0);
}
}  // namespace

Sheet drawCast() {
  Sheet s(Cast);
  s.tile(80, fighter);
  for (int i = 0; i < 3; ++i) s.tile(81 + i, [i](cairo_t* cr) { hatch(cr, i); });
  for (int i = 0; i < 3; ++i) s.tile(84 + i, [i](cairo_t* cr) { serpentHead(cr, i); });
  s.tile(87, serpentRing);
  s.tile(88, orbBoss);
  s.tile(89, spikeSatellite);
  s.tile(90, ringSatellite);
  s.tile(91, [](cairo_t* cr) { bomber(cr, false); });
  s.tile(92, [](cairo_t* cr) { bomber(cr, true); });
  s.tile(93, [](cairo_t* cr) { maskBoss(cr, false); });
  s.tile(94, [](cairo_t* cr) { maskBoss(cr, true); });
  s.tile(95, [](cairo_t* cr) { sentinel(cr, true); });
  s.tile(96, [](cairo_t* cr) { sentinel(cr, false); });
  s.tile(97, [](cairo_t* cr) { manta(cr, false); });
  s.tile(98, [](cairo_t* cr) { manta(cr, true); });
  s.tile(99, tank);
  s.tile(100, [](cairo_t* cr) { spinner(cr, false); });
  s.tile(101, [](cairo_t* cr) { spinner(cr, true); });
  for (int i = 0; i < 4; ++i) s.tile(102 + i, [i](cairo_t* cr) { hunter(cr, i); });
  s.tile(106, [](cairo_t* cr) { courier(cr, false); });
  s.tile(107, [](cairo_t* cr) { courier(cr, true); });
  s.tile(108, [](cairo_t* cr) { goldenBird(cr, false); });
  s.tile(109, [](cairo_t* cr) {
    cairo_translate(cr, 64, 64);
    cairo_scale(cr, 0.7, 0.7);
    cairo_translate(cr, -64, -64);
    goldenBird(cr, false);
  });
  s.tile(110, [](cairo_t* cr) { goldenBird(cr, true); });
  s.tile(111, beetle);
  return s;
}
