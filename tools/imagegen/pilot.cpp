// The player's pilot, seen from behind as the camera follows it: a white helmet with a red
// stripe, a blue flight suit, a silver jet pack and a red scarf that trails in the wind.
#include <cmath>

#include "lettering.h"
#include "palette.h"
#include "sheet.h"

using namespace palette;

namespace {
struct Pose {
  double tilt = 0;              // degrees, whole figure, positive leans right
  double armL = 35, armR = 35;  // degrees out from hanging straight down
  double legL = 8, legR = 8;    // degrees out from straight down
  double legLength = 26;
  double flame = 0;     // flame length, 0 for none
  double scarf = 0;     // phase of the scarf's wave
  double squash = 1.0;  // vertical scale of the body (leaning into the depth)
};

void limb(cairo_t* cr, double x, double y, double angleDeg, double length, double width, Rgb colour,
          Rgb end) {
  double a = angleDeg * M_PI / 180.0;
  double ex = x + std::sin(a) * length, ey = y + std::cos(a) * length;
  cairo_set_line_width(cr, width + 2.5);
  setColour(cr, darker(colour, 0.55));
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, ex, ey);
  cairo_stroke(cr);
  cairo_set_line_width(cr, width);
  setColour(cr, colour);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, ex, ey);
  cairo_stroke(cr);
  ball(cr, ex, ey, width * 0.62, end, 1.2);
}

void flame(cairo_t* cr, double x, double y, double length) {
  if (length <= 0) return;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, 1.0, length / 8.0);
  glow(cr, 0, 8, 8, Flame, 0.9);
  glow(cr, 0, 5, 4.5, FlameCore, 1.0);
  cairo_restore(cr);
}

void scarfRibbon(cairo_t* cr, double phase, double side) {
  cairo_new_path(cr);
  cairo_move_to(cr, 58, 50);
  for (int i = 0; i <= 10; ++i) {
    double t = i / 10.0;
    cairo_line_to(cr, 64 + side * t * 46, 48 + t * 8 + std::sin(phase + t * 6) * 4 * t);
  }
  for (int i = 10; i >= 0; --i) {
    double t = i / 10.0;
    cairo_line_to(cr, 64 + side * t * 46, 54 + t * 6 + std::sin(phase + t * 6) * 4 * t);
  }
  cairo_close_path(cr);
  fillLit(cr, Scarf, 46, 64, 1.2);
}

void figure(cairo_t* cr, const Pose& p) {
  cairo_save(cr);
  cairo_translate(cr, 64, 64);
  cairo_rotate(cr, p.tilt * M_PI / 180.0);
  cairo_scale(cr, 1.12, 1.12 * p.squash);
  cairo_translate(cr, -64, -64);
  limb(cr, 57, 78, -p.legL, p.legLength, 10, Suit, Boot);
  limb(cr, 71, 78, p.legR, p.legLength, 10, Suit, Boot);
  limb(cr, 46, 55, -p.armL, 22, 8.5, Suit, Glove);
  limb(cr, 82, 55, p.armR, 22, 8.5, Suit, Glove);
  flame(cr, 56, 84, p.flame);  // over the legs: the jets blow between them
  flame(cr, 72, 84, p.flame);
  blob(cr, 64, 64, 21, 19, Suit);
  // Jet pack on the back, its two nozzles below.
  roundRectPath(cr, 53, 52, 22, 27, 7);
  fillLit(cr, Pack, 52, 79);
  roundRectPath(cr, 52, 79, 8, 6, 2);
  fillLit(cr, DarkMetal, 79, 85, 1.0);
  roundRectPath(cr, 68, 79, 8, 6, 2);
  fillLit(cr, DarkMetal, 79, 85, 1.0);
  roundRectPath(cr, 58, 56, 12, 4, 2);
  setColour(cr, Scarf);
  cairo_fill(cr);
  scarfRibbon(cr, p.scarf, p.tilt > 4 ? -1.0 : 1.0);
  // Helmet: white dome with a red stripe over the crown.
  ball(cr, 64, 37, 16, Helmet);
  cairo_save(cr);
  ellipsePath(cr, 64, 37, 15.2, 15.2);
  cairo_clip(cr);
  cairo_rectangle(cr, 60, 20, 8, 34);
  setColour(cr, Scarf);
  cairo_fill(cr);
  cairo_restore(cr);
  glow(cr, 58, 29, 6, {1, 1, 1}, 0.8);
  cairo_restore(cr);
}

void speedLines(cairo_t* cr) {
  cairo_set_line_width(cr, 2.0);
  const double xs[] = {14, 26, 102, 114, 20, 108};
  const double ys[] = {30, 70, 40, 78, 100, 104};
  for (int i = 0; i < 6; ++i) {
    setColour(cr, {1, 1, 1}, 0.75);
    cairo_move_to(cr, xs[i], ys[i]);
    cairo_line_to(cr, 64 + (xs[i] - 64) * 0.75, 64 + (ys[i] - 64) * 0.75);
    cairo_stroke(cr);
  }
}

void dizzyStars(cairo_t* cr, double x, double y) {
  for (int i = 0; i < 3; ++i) {
    double a = i * 2.1;
    starPath(cr, x + std::cos(a) * 18, y + std::sin(a) * 6, 6, 2.6, 5);
    fillLit(cr, Gold, y - 8, y + 8, 1.0);
  }
}

// clang-format off
// One row per pose, in PilotPose order. The B frames of flight differ from the A frames in
// the flame's length and the scarf's wave, so the pair flickers as the game alternates them.
const Pose Poses[] = {
  // tilt  armL  armR  legL  legR  legLength flame scarf squash
  {    0,   12,   30,   22,   -6,   26,        4,    0,    1.0},   // WalkA
  {    0,   30,   12,   -6,   22,   26,        6,    2,    1.0},   // WalkB
  {  -18,   70,   40,   14,    2,   26,       16,    0,    1.0},   // LeftA
  {  -18,   70,   40,   14,    2,   26,       22,    2.5,  1.0},   // LeftB
  {    0,   55,   55,   10,   10,   26,       16,    1,    1.0},   // CentreA
  {    0,   55,   55,   10,   10,   26,       22,    3.5,  1.0},   // CentreB
  {   18,   40,   70,    2,   14,   26,       16,    0.5,  1.0},   // RightA
  {   18,   40,   70,    2,   14,   26,       22,    3,    1.0},   // RightB
  {    0,   20,   20,    4,    4,   18,       34,    1.5,  0.82},  // Dash
  {    0,  150,  160,   35,   25,   26,        0,    4,    1.0},   // Falling
  {    0,   15,  150,   10,   18,   26,        0,    0,    1.0},   // Crashed
  {    0,    8,    8,   40,   40,   16,        0,    0,    1.0},   // Waiting
};
// clang-format on
}  // namespace

void drawPilot(cairo_t* cr, PilotPose pose) {
  const Pose& p = Poses[int(pose)];
  switch (pose) {
    case PilotPose::Dash:
      speedLines(cr);
      figure(cr, p);
      return;
    case PilotPose::Falling:
      figure(cr, p);
      glow(cr, 58, 86, 10, Smoke, 0.7);
      glow(cr, 66, 98, 12, Smoke, 0.5);
      dizzyStars(cr, 64, 16);
      return;
    case PilotPose::Crashed:  // lying on the ground, feet to the right
      cairo_save(cr);
      cairo_translate(cr, 62, 96);
      cairo_rotate(cr, -M_PI / 2);
      cairo_scale(cr, 0.78, 0.78);
      cairo_translate(cr, -64, -64);
      figure(cr, p);
      cairo_restore(cr);
      glow(cr, 70, 78, 12, Smoke, 0.6);
      dizzyStars(cr, 30, 80);
      return;
    case PilotPose::Waiting:  // sitting on the ground, wondering whether to go on
      cairo_save(cr);
      cairo_translate(cr, 0, 14);
      figure(cr, p);
      cairo_restore(cr);
      ball(cr, 98, 22, 15, {1, 1, 1}, 1.5);
      ball(cr, 84, 40, 4, {1, 1, 1}, 1.0);
      setGameFont(cr, false, 22);
      setColour(cr, Scarf);
      cairo_move_to(cr, 91, 30);
      cairo_show_text(cr, "?");
      return;
    default:
      figure(cr, p);
  }
}
