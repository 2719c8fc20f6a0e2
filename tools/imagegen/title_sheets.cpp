// The title picture (224), the ranking picture (225), the alternative title picture (226)
// and the title pieces: the two logos (227, 229) and two spare pieces (228, 230).
#include <cmath>

#include "lettering.h"
#include "palette.h"
#include "scenery.h"
#include "sheet.h"

using namespace palette;

namespace {
// The screen around the title picture is the game's dark navy clear colour; the picture's
// edges fade into it.
const Rgb Navy = {0.01, 0.02, 0.1};

void vignette(cairo_t* cr, double w, double h) {
  cairo_pattern_t* p =
      cairo_pattern_create_radial(w / 2, h * 0.45, w * 0.38, w / 2, h * 0.45, w * 0.78);
  cairo_pattern_add_color_stop_rgba(p, 0, Navy.r, Navy.g, Navy.b, 0);
  cairo_pattern_add_color_stop_rgba(p, 1, Navy.r, Navy.g, Navy.b, 0.95);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
}

void skyGradient(cairo_t* cr, double w, double horizon, Rgb top, Rgb low) {
  cairo_rectangle(cr, 0, 0, w, horizon);
  fillRange(cr, top, low, 0, horizon);
}

// A checkered ground running to the horizon in perspective.
void groundPlane(cairo_t* cr, double w, double h, double horizon, Rgb colour) {
  cairo_rectangle(cr, 0, horizon, w, h - horizon);
  fillRange(cr, darker(colour, 0.3), colour, horizon, h);
  const double cx = w / 2;
  for (int row = 0; row < 14; ++row) {
    double z0 = 1.0 + row * 0.9, z1 = z0 + 0.9;
    double y0 = horizon + 110 / z0, y1 = horizon + 110 / z1;
    for (int col = -12; col < 12; ++col) {
      if ((row + col) & 1) continue;
      double xa = cx + col * 90 / z0, xb = cx + (col + 1) * 90 / z0;
      double xc = cx + (col + 1) * 90 / z1, xd = cx + col * 90 / z1;
      polygonPath(cr, {{xa, y0}, {xb, y0}, {xc, y1}, {xd, y1}});
      setColour(cr, lighter(colour, 0.15), 0.55);
      cairo_fill(cr);
    }
  }
}

void pilotAt(cairo_t* cr, double x, double y, double scale, PilotPose pose) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, scale, scale);
  cairo_translate(cr, -64, -64);
  drawPilot(cr, pose);
  cairo_restore(cr);
}

void distantFighter(cairo_t* cr, double x, double y, double s) {
  polygonPath(cr,
              {{x - 12 * s, y + 4 * s}, {x, y - 6 * s}, {x + 12 * s, y + 4 * s}, {x, y + 2 * s}});
  setColour(cr, darker(EnemyRed, 0.3));
  cairo_fill(cr);
  glow(cr, x, y, 3 * s, EyeRed);
}

}  // namespace

namespace {
// The game's name in big lettering: a swept wing behind, letters leaning forward.
void logo(cairo_t* cr, Rgb top, Rgb bottom, Rgb edge, Rgb wing) {
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, 16, 92);
  cairo_curve_to(cr, 70, 40, 180, 30, 246, 18);
  cairo_curve_to(cr, 200, 50, 120, 80, 60, 104);
  cairo_close_path(cr);
  fillLit(cr, wing, 18, 104, 2.0);
  setGameFont(cr, false, 64);
  cairo_text_extents_t e;
  cairo_text_extents(cr, "BRAVIN", &e);
  const double fit = 200.0 / e.width;  // leave room for the lean and the outline
  setGameFont(cr, false, 64 * fit);
  cairo_text_extents(cr, "BRAVIN", &e);
  cairo_matrix_t skew = {1, 0, -0.22, 1, 0, 0};
  cairo_translate(cr, 128, 90);
  cairo_transform(cr, &skew);
  cairo_move_to(cr, -e.width / 2 - e.x_bearing, 0);
  cairo_text_path(cr, "BRAVIN");
  cairo_set_line_width(cr, 7);
  setColour(cr, edge);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, -48, 0, 0);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 0.5, lighter(top, 0.6).r, lighter(top, 0.6).g,
                                   lighter(top, 0.6).b);
  cairo_pattern_add_color_stop_rgb(p, 0.55, bottom.r, bottom.g, bottom.b);
  cairo_pattern_add_color_stop_rgb(p, 1, darker(bottom, 0.2).r, darker(bottom, 0.2).g,
                                   darker(bottom, 0.2).b);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  cairo_restore(cr);
  starPath(cr, 232, 30, 12, 4, 4);
  setColour(cr, {1, 1, 1});
  cairo_fill(cr);
}

void wingEmblem(cairo_t* cr) {
  for (int side = -1; side <= 1; side += 2) {
    for (int i = 0; i < 4; ++i) {
      double y = 44 + i * 14;
      polygonPath(cr, {{128.0 + side * 20, y},
                       {128.0 + side * (110 - i * 18), y - 16},
                       {128.0 + side * (100 - i * 18), y + 6},
                       {128.0 + side * 20, y + 12}});
      fillLit(cr, Gold, y - 16, y + 12, 1.5);
    }
  }
  ball(cr, 128, 64, 26, Scarf, 2.0);
  starPath(cr, 128, 64, 18, 7, 5);
  fillLit(cr, Gold, 46, 82, 1.2);
}

void starBadge(cairo_t* cr) {
  glow(cr, 128, 64, 62, rgb(0xfff0a0), 0.6);
  starPath(cr, 128, 64, 58, 26, 5);
  fillLit(cr, Gold, 6, 122, 2.5);
  starPath(cr, 128, 64, 34, 15, 5);
  fillLit(cr, Scarf, 30, 98, 1.5);
}
}  // namespace

Sheet drawTitlePicture() {
  Sheet s(TitlePicture);
  s.tile(224, [](cairo_t* cr) {
    const double horizon = 330;
    skyGradient(cr, 512, horizon, rgb(0x0c1440), rgb(0xffa060));
    glow(cr, 256, horizon, 140, rgb(0xffe0a0), 0.9);
    for (int i = 0; i < 5; ++i) {  // evening clouds lit from below by the low sun
      const double cx[] = {90, 200, 330, 430, 150}, cy[] = {120, 80, 110, 170, 200};
      cairo_save(cr);
      cairo_translate(cr, cx[i], cy[i]);
      cairo_scale(cr, 2.2, 0.55);
      cloud(cr, 0, 0, 26, mix(rgb(0x6a4a8a), rgb(0xffa070), cy[i] / 260.0), 0.8, 300 + i);
      cairo_restore(cr);
    }
    ridgePath(cr, 512, horizon + 2, horizon - 40, 28, 1, true);
    fillRange(cr, rgb(0x7a6aa0), rgb(0x3a3a6a), horizon - 90, horizon);
    ridgePath(cr, 512, horizon + 2, horizon - 14, 10, 2, false);
    fillRange(cr, rgb(0x3a5a5a), rgb(0x1a3a3a), horizon - 30, horizon);
    groundPlane(cr, 512, 512, horizon, rgb(0x3aa050));
    distantFighter(cr, 150, 250, 1.2);
    distantFighter(cr, 190, 236, 1.0);
    distantFighter(cr, 330, 262, 1.4);
    pilotAt(cr, 300, 380, 1.9, PilotPose::RightB);
    vignette(cr, 512, 512);
  });
  return s;
}

Sheet drawRankingPicture() {
  Sheet s(RankingPicture);
  s.tile(225, [](cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 512, 512);
    fillRange(cr, rgb(0x080828), rgb(0x402860), 0, 512);
    Random rnd(225);
    for (int i = 0; i < 160; ++i) {
      double x = rnd.uniform(0, 512), y = rnd.uniform(0, 512);
      glow(cr, x, y, rnd.uniform(1.5, 3.5), {1, 1, 0.9}, rnd.uniform(0.4, 1.0));
    }
    glow(cr, 256, 250, 200, rgb(0x8070e0), 0.35);
    // A trophy between laurels.
    for (int side = -1; side <= 1; side += 2) {
      for (int i = 0; i < 7; ++i) {
        double a = (i * 18 + 200) * M_PI / 180.0;
        double x = 256 + side * std::cos(a) * -150, y = 260 + std::sin(a) * -150;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, side * (a + M_PI / 2));
        ellipsePath(cr, 0, 0, 10, 22);
        fillLit(cr, rgb(0x60a040), -22, 22, 1.5);
        cairo_restore(cr);
      }
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 186, 150);
    cairo_line_to(cr, 326, 150);
    cairo_curve_to(cr, 326, 250, 290, 290, 266, 300);
    cairo_line_to(cr, 266, 350);
    cairo_line_to(cr, 246, 350);
    cairo_line_to(cr, 246, 300);
    cairo_curve_to(cr, 222, 290, 186, 250, 186, 150);
    cairo_close_path(cr);
    fillLit(cr, Gold, 150, 350, 3.0);
    roundRectPath(cr, 206, 350, 100, 40, 6);
    fillLit(cr, rgb(0x7a4a2a), 350, 390, 2.0);
    starPath(cr, 256, 210, 30, 12, 5);
    fillLit(cr, lighter(Gold, 0.5), 180, 240, 1.5);
    glow(cr, 226, 180, 30, {1, 1, 1}, 0.5);
    vignette(cr, 512, 512);
  });
  return s;
}

// Shown stretched to twice its size without filtering, so it is drawn in big flat shapes.
Sheet drawAltTitlePicture() {
  Sheet s(AltTitlePicture);
  s.tile(226, [](cairo_t* cr) {
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    const double horizon = 176;
    skyGradient(cr, 256, horizon, rgb(0x06061e), rgb(0x3a2a6a));
    Random rnd(226);
    for (int i = 0; i < 50; ++i) {
      cairo_rectangle(cr, std::floor(rnd.uniform(0, 256)), std::floor(rnd.uniform(0, 150)), 1, 1);
      setColour(cr, {1, 1, 0.85}, 0.9);
      cairo_fill(cr);
    }
    // The moon high in the corner, clear of the logo that covers the middle.
    ellipsePath(cr, 204, 40, 26, 26);
    setColour(cr, rgb(0xf4f0d0));
    cairo_fill(cr);
    ellipsePath(cr, 196, 34, 6, 6);
    ellipsePath(cr, 214, 50, 4, 4);
    setColour(cr, rgb(0xd8d0b0));
    cairo_fill(cr);
    for (double x = 0; x < 256;) {
      double w = rnd.uniform(10, 22), h = rnd.uniform(14, 40);
      cairo_rectangle(cr, x, horizon - h, w - 1, h);
      setColour(cr, rgb(0x1a1430));
      cairo_fill(cr);
      x += w;
    }
    cairo_rectangle(cr, 0, horizon, 256, 80);
    setColour(cr, rgb(0x10102a));
    cairo_fill(cr);
    for (int i = 0; i < 6; ++i) {
      cairo_rectangle(cr, 0, horizon + 6 + i * i * 2.2, 256, 1);
      setColour(cr, rgb(0x3a3a7a));
      cairo_fill(cr);
    }
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    pilotAt(cr, 198, 44, 0.42, PilotPose::LeftB);
    vignette(cr, 256, 256);
  });
  return s;
}

Sheet drawTitlePieces() {
  Sheet s(TitlePieces);
  s.tile(227,
         [](cairo_t* cr) { logo(cr, rgb(0xd8e8ff), rgb(0x6a8ac8), rgb(0x101a40), rgb(0x3a5ab0)); });
  s.tile(228, wingEmblem);
  s.tile(229, [](cairo_t* cr) { logo(cr, rgb(0xfff080), Gold, rgb(0x601010), Scarf); });
  s.tile(230, starBadge);
  return s;
}
