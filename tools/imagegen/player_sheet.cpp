// chr128x128texs1: the player's frames (48-59), the explosion, blast and debris strips
// (60-62, 64-66, 68-70), the spinning fragment (71) and the ground-borne part of the cast.
#include <cmath>

#include "palette.h"
#include "sheet.h"

using namespace palette;

namespace {
// A burst of jagged flame: spikes around a hot core.
void fireball(cairo_t* cr, double x, double y, double r, unsigned seed, double heat) {
  Random rnd(seed);
  cairo_new_path(cr);
  for (int i = 0; i < 18; ++i) {
    double a = i * M_PI / 9.0, rr = r * (i & 1 ? rnd.uniform(0.55, 0.7) : rnd.uniform(0.85, 1.0));
    cairo_line_to(cr, x + std::cos(a) * rr, y + std::sin(a) * rr);
  }
  cairo_close_path(cr);
  fillLit(cr, mix(Fire, Flame, heat), y - r, y + r, 0);
  glow(cr, x, y, r * 0.85, Flame);
  glow(cr, x, y, r * 0.5, FlameCore);
}

// Smoke that darkens as it cools; heavy smoke hangs low over the ground.
void smoke(cairo_t* cr, double x, double y, double r, double dark, unsigned seed) {
  cloud(cr, x, y, r, mix(Smoke, Scorch, dark), 0.9, seed);
}

// A dark scorch mark lying on the ground, seen at a shallow angle.
void scorch(cairo_t* cr, double x, double y, double rx, unsigned seed) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, 1.0, 0.3);
  glow(cr, 0, 0, rx, Scorch, 1.0);
  Random rnd(seed);
  for (int i = 0; i < 7; ++i) {
    double a = rnd.uniform(0, 2 * M_PI), d = rnd.uniform(rx * 0.4, rx * 0.9);
    ellipsePath(cr, std::cos(a) * d, std::sin(a) * d, 5, 5);
    setColour(cr, darker(Scorch, 0.3), 0.9);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void sparks(cairo_t* cr, double x, double y, double r, unsigned seed) {
  Random rnd(seed);
  cairo_set_line_width(cr, 2.0);
  for (int i = 0; i < 10; ++i) {
    double a = rnd.uniform(M_PI, 2 * M_PI), d = rnd.uniform(r * 0.5, r);
    setColour(cr, FlameCore, 0.9);
    cairo_move_to(cr, x + std::cos(a) * d * 0.6, y + std::sin(a) * d * 0.6);
    cairo_line_to(cr, x + std::cos(a) * d, y + std::sin(a) * d);
    cairo_stroke(cr);
  }
}

void rubble(cairo_t* cr, double x, double y, double spread, unsigned seed) {
  Random rnd(seed);
  for (int i = 0; i < 6; ++i) {
    double px = x + rnd.uniform(-spread, spread), py = y + rnd.uniform(-4, 4);
    polygonPath(cr, {{px - 5, py + 3}, {px - 2, py - 4}, {px + 5, py - 2}, {px + 4, py + 4}});
    fillLit(cr, DarkMetal, py - 4, py + 4, 1.0);
  }
}

// Type 6 of stage 0: a squat ground pod with one red eye that rides the scrolling ground.
void groundPod(cairo_t* cr, Rgb body) {
  polygonPath(cr, {{24, 124}, {34, 92}, {94, 92}, {104, 124}});
  fillLit(cr, DarkMetal, 92, 124);
  blob(cr, 64, 84, 38, 30, body);
  roundRectPath(cr, 40, 78, 48, 18, 8);
  fillLit(cr, darker(body, 0.5), 78, 96, 1.0);
  eye(cr, 64, 87, 8, EyeRed);
  ball(cr, 64, 52, 6, Metal);
}

// Type 7: an armoured pyramid that shots glance off.
void armouredBlock(cairo_t* cr) {
  polygonPath(cr, {{14, 122}, {64, 22}, {114, 122}});
  fillLit(cr, Metal, 22, 122, 2.0);
  polygonPath(cr, {{64, 22}, {114, 122}, {64, 122}});
  setColour(cr, DarkMetal, 0.45);
  cairo_fill(cr);
  for (int i = 0; i < 4; ++i) {
    double y = 50 + i * 18;
    ball(cr, 64 - (y - 22) * 0.35, y, 3, lighter(Metal, 0.3), 0.8);
    ball(cr, 64 + (y - 22) * 0.35, y, 3, Metal, 0.8);
  }
  eye(cr, 64, 82, 7, rgb(0xffb020));
}

// Type 32: a diving ray that turns on the player and fires once.
void diver(cairo_t* cr) {
  polygonPath(cr,
              {{8, 58}, {50, 40}, {64, 22}, {78, 40}, {120, 58}, {80, 72}, {64, 108}, {48, 72}});
  fillLit(cr, EnemyPurple, 22, 108, 2.0);
  blob(cr, 64, 54, 14, 18, lighter(EnemyPurple, 0.2));
  eye(cr, 64, 56, 7, EyeGreen);
  glow(cr, 64, 104, 12, rgb(0xc080ff), 0.8);
}

// Type 35: a heavy gunship, side view facing left (a) and head-on (b).
void gunshipSide(cairo_t* cr) {
  polygonPath(cr, {{10, 66}, {30, 50}, {96, 46}, {120, 58}, {116, 78}, {30, 80}});
  fillLit(cr, EnemyOrange, 46, 80, 2.0);
  polygonPath(cr, {{56, 48}, {84, 20}, {100, 22}, {90, 48}});
  fillLit(cr, darker(EnemyOrange, 0.2), 20, 48);
  polygonPath(cr, {{60, 78}, {88, 104}, {100, 102}, {92, 78}});
  fillLit(cr, darker(EnemyOrange, 0.35), 78, 104);
  roundRectPath(cr, 24, 56, 26, 10, 5);
  fillLit(cr, rgb(0x60d0ff), 56, 66, 1.0);
  glow(cr, 120, 66, 12, Flame);
}
void gunshipFront(cairo_t* cr) {
  polygonPath(cr, {{6, 70}, {40, 56}, {88, 56}, {122, 70}, {88, 80}, {40, 80}});
  fillLit(cr, darker(EnemyOrange, 0.2), 56, 80, 2.0);
  blob(cr, 64, 66, 26, 24, EnemyOrange);
  polygonPath(cr, {{58, 44}, {64, 18}, {70, 44}});
  fillLit(cr, darker(EnemyOrange, 0.3), 18, 44);
  roundRectPath(cr, 50, 56, 28, 10, 5);
  fillLit(cr, rgb(0x60d0ff), 56, 66, 1.0);
  ball(cr, 30, 80, 6, DarkMetal);
  ball(cr, 98, 80, 6, DarkMetal);
}

// Type 28: a hovering fortress with a belly gun (firing: the hatch open and glowing).
void fortress(cairo_t* cr, bool firing) {
  polygonPath(cr, {{10, 60}, {30, 36}, {98, 36}, {118, 60}, {100, 84}, {28, 84}});
  fillLit(cr, EnemyTeal, 36, 84, 2.0);
  roundRectPath(cr, 40, 22, 48, 20, 8);
  fillLit(cr, lighter(EnemyTeal, 0.2), 22, 42);
  eye(cr, 64, 32, 6, EyeRed);
  for (int i = 0; i < 3; ++i) ball(cr, 36 + i * 28, 62, 5, DarkMetal, 1.0);
  if (firing) {
    roundRectPath(cr, 48, 82, 32, 18, 6);
    fillLit(cr, DarkMetal, 82, 100);
    glow(cr, 64, 96, 22, rgb(0xff60c0));
    glow(cr, 64, 96, 9, {1, 1, 1});
  } else {
    glow(cr, 34, 92, 12, rgb(0x80e0ff), 0.8);
    glow(cr, 94, 92, 12, rgb(0x80e0ff), 0.8);
    roundRectPath(cr, 50, 82, 28, 10, 4);
    fillLit(cr, DarkMetal, 82, 92, 1.0);
  }
}

// Type 9: a big bunker dome with a cannon, sitting on the ground.
void bunker(cairo_t* cr) {
  polygonPath(cr, {{4, 126}, {14, 96}, {114, 96}, {124, 126}});
  fillLit(cr, DarkMetal, 96, 126, 2.0);
  cairo_new_path(cr);
  cairo_arc(cr, 64, 100, 48, M_PI, 2 * M_PI);
  cairo_close_path(cr);
  fillLit(cr, EnemyGreen, 52, 100, 2.0);
  roundRectPath(cr, 60, 22, 10, 36, 4);
  fillLit(cr, DarkMetal, 22, 58, 1.5);
  for (int i = 0; i < 5; ++i) ball(cr, 26 + i * 19, 104 + (i % 2) * 8, 4, Metal, 1.0);
  eye(cr, 64, 76, 11, EyeRed);
}

// A balloon carrying a waving friend: drifts past after a boss falls.
void balloonFriend(cairo_t* cr) {
  cairo_set_line_width(cr, 1.5);
  setColour(cr, rgb(0x5a4030));
  for (double x : {46.0, 82.0}) {
    cairo_move_to(cr, x, 64);
    cairo_line_to(cr, x < 64 ? 52 : 76, 92);
    cairo_stroke(cr);
  }
  ball(cr, 64, 40, 34, Friendly);
  cairo_save(cr);
  ellipsePath(cr, 64, 40, 33, 33);
  cairo_clip(cr);
  for (int i = -1; i <= 1; i += 2) {
    ellipsePath(cr, 64 + i * 18, 40, 8, 34);
    setColour(cr, Scarf, 0.8);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  glow(cr, 52, 24, 10, {1, 1, 1}, 0.7);
  roundRectPath(cr, 48, 92, 32, 22, 5);
  fillLit(cr, rgb(0xa06a3a), 92, 114);
  ball(cr, 64, 86, 8, rgb(0xf0c8a0), 1.2);
  cairo_set_line_width(cr, 4);
  setColour(cr, Suit);
  cairo_move_to(cr, 72, 94);
  cairo_line_to(cr, 84, 78);
  cairo_stroke(cr);
  ball(cr, 85, 76, 3.5, Glove, 1.0);
}

// Type 8: a crab-legged walker as tall as a house.
void walker(cairo_t* cr) {
  cairo_set_line_width(cr, 7);
  for (int i = 0; i < 3; ++i) {
    double x = 30 + i * 12;
    setColour(cr, darker(EnemyRed, 0.45));
    cairo_move_to(cr, 64, 64);
    cairo_line_to(cr, x - 20, 70 - i * 4);
    cairo_line_to(cr, x - 26, 124);
    cairo_stroke(cr);
    cairo_move_to(cr, 64, 64);
    cairo_line_to(cr, 128 - x + 20, 70 - i * 4);
    cairo_line_to(cr, 128 - x + 26, 124);
    cairo_stroke(cr);
  }
  blob(cr, 64, 58, 36, 26, EnemyRed, 2.0);
  roundRectPath(cr, 40, 42, 48, 14, 6);
  fillLit(cr, lighter(EnemyRed, 0.25), 42, 56, 1.0);
  eye(cr, 50, 62, 7, rgb(0xffe040));
  eye(cr, 78, 62, 7, rgb(0xffe040));
}

void fragment(cairo_t* cr) {
  polygonPath(cr, {{30, 44}, {70, 22}, {104, 50}, {88, 92}, {52, 104}, {38, 76}});
  fillLit(cr, Metal, 22, 104, 2.0);
  polygonPath(cr, {{70, 22}, {104, 50}, {76, 54}});
  setColour(cr, lighter(Metal, 0.5));
  cairo_fill(cr);
  cairo_set_line_width(cr, 3);
  setColour(cr, Flame, 0.9);
  cairo_move_to(cr, 88, 92);
  cairo_line_to(cr, 52, 104);
  cairo_stroke(cr);
}
}  // namespace

Sheet drawPlayerAndEffects() {
  Sheet s(PlayerAndEffects);
  const PilotPose poses[] = {PilotPose::WalkA,   PilotPose::WalkB,   PilotPose::LeftA,
                             PilotPose::LeftB,   PilotPose::CentreA, PilotPose::CentreB,
                             PilotPose::RightA,  PilotPose::RightB,  PilotPose::Dash,
                             PilotPose::Falling, PilotPose::Crashed, PilotPose::Waiting};
  for (int i = 0; i < 12; ++i) s.tile(48 + i, [&](cairo_t* cr) { drawPilot(cr, poses[i]); });

  // Explosion (60-62): fireball, fire in smoke, then smoke over a dark scorch.
  s.tile(60, [](cairo_t* cr) { fireball(cr, 64, 64, 46, 60, 0.3); });
  s.tile(61, [](cairo_t* cr) {
    smoke(cr, 64, 58, 50, 0.2, 61);
    fireball(cr, 64, 70, 34, 610, 0.8);
  });
  s.tile(62, [](cairo_t* cr) {
    scorch(cr, 64, 108, 54, 62);
    smoke(cr, 64, 62, 44, 0.6, 620);
  });
  s.tile(63, armouredBlock);
  // Blast (64-66): a white flash, a rising fire column, a wide crater.
  s.tile(64, [](cairo_t* cr) {
    starPath(cr, 64, 64, 62, 24, 8);
    fillLit(cr, FlameCore, 2, 126, 0);
    fireball(cr, 64, 64, 44, 64, 0.6);
    glow(cr, 64, 64, 30, {1, 1, 1});
  });
  s.tile(65, [](cairo_t* cr) {
    smoke(cr, 64, 34, 40, 0.3, 65);
    fireball(cr, 64, 68, 28, 650, 0.5);
    fireball(cr, 64, 94, 32, 651, 0.9);
  });
  s.tile(66, [](cairo_t* cr) {
    scorch(cr, 64, 106, 62, 66);
    smoke(cr, 48, 66, 30, 0.7, 660);
    smoke(cr, 80, 54, 32, 0.75, 661);
  });
  s.tile(67, diver);
  // Debris landing (68-70): dust and sparks, a dust cloud, a small dark crater.
  s.tile(68, [](cairo_t* cr) {
    cloud(cr, 64, 80, 40, Dust, 0.95, 68);
    sparks(cr, 64, 90, 60, 680);
  });
  s.tile(69, [](cairo_t* cr) {
    cloud(cr, 64, 76, 50, mix(Dust, Smoke, 0.4), 0.9, 69);
    rubble(cr, 64, 108, 40, 690);
  });
  s.tile(70, [](cairo_t* cr) {
    scorch(cr, 64, 106, 48, 70);
    rubble(cr, 64, 104, 34, 700);
    cloud(cr, 64, 82, 26, mix(Smoke, Scorch, 0.5), 0.7, 701);
  });
  s.tile(71, fragment);
  s.tile(72, [](cairo_t* cr) { groundPod(cr, EnemyGreen); });
  s.tile(73, gunshipSide);
  s.tile(74, gunshipFront);
  s.tile(75, [](cairo_t* cr) { fortress(cr, true); });
  s.tile(76, [](cairo_t* cr) { fortress(cr, false); });
  s.tile(77, bunker);
  s.tile(78, balloonFriend);
  s.tile(79, walker);
  return s;
}
