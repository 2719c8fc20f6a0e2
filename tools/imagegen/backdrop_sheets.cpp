// The backdrop: the ground texture, the eight skies, and the far and near layers. Each
// layer set is one band of four tiles that wraps around (the game scrolls the tiles side
// by side and starts again at the first after the fourth); the top of every layer is clear
// so the sky shows through.
#include <cmath>
#include <vector>

#include "palette.h"
#include "scenery.h"
#include "sheet.h"

namespace {
// One sky per row of the stage backdrop table, top colour to horizon colour. The tile is
// stretched some 25 times wider than high, so it holds no detail across: a star would
// become a streak.
struct SkyColours {
  unsigned top, middle, horizon;
};
// clang-format off
const SkyColours SkyTable[8] = {
  // top       middle    horizon       slot: stage
  {0x1c4cb0, 0x4a8ae0, 0xc8ecff},     // 144: 0, clear day over green fields
  {0x2a1e5a, 0xb0507a, 0xffbe78},     // 145: 1, dusk over the desert
  {0x5a3aa0, 0xb080d8, 0xffd8f4},     // 146: 2, pastel sky over the crystal fields
  {0x04041a, 0x1e1648, 0x5a3a7a},     // 147: 3 and 7, night
  {0x2a7ae8, 0x78b8f4, 0xe4faff},     // 148: 4, bright noon of the bonus stage
  {0x3a3020, 0x9a7a3a, 0xf4dc90},     // 149: 6, amber haze
  {0x202830, 0x506070, 0xa8b8b0},     // 150: spare, storm
  {0x0e3a80, 0x3a8ad0, 0xd4f6ff},     // 151: 5, over the frozen sea
};
// clang-format on

void drawSky(cairo_t* cr, const SkyColours& c) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 256);
  Rgb top = rgb(c.top), middle = rgb(c.middle), horizon = rgb(c.horizon);
  cairo_pattern_add_color_stop_rgb(p, 0.0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 0.6, middle.r, middle.g, middle.b);
  cairo_pattern_add_color_stop_rgb(p, 0.95, horizon.r, horizon.g, horizon.b);
  cairo_pattern_add_color_stop_rgb(p, 1.0, horizon.r, horizon.g, horizon.b);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
}

// Far layers: 512 x 128 bands.
void mountains(cairo_t* cr) {
  ridgePath(cr, 512, 128, 58, 22, 1, true);
  fillRange(cr, rgb(0xb8d0e8), rgb(0x5a7aa0), 30, 128);
  // Snow on the peaks: a band just under the ridge line where it rises high.
  for (int x = 0; x < 512; x += 2) {
    double y = ridge(x, 512, 58, 22, 1) - std::fabs(std::sin(x * M_PI / 32.0)) * 5.5;
    double depth = std::max(0.0, 52 - y) * 0.5;
    if (depth > 0) cairo_rectangle(cr, x, y, 2, depth);
  }
  cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
  cairo_fill(cr);
  ridgePath(cr, 512, 128, 92, 12, 2, false);
  fillRange(cr, rgb(0x5a9a7a), rgb(0x2a5a4a), 70, 128);
}

void mesas(cairo_t* cr) {
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 128);
  for (int x = 0; x <= 512; x += 2) {  // flat tops where the ridge is high
    double y = ridge(x, 512, 80, 30, 3);
    cairo_line_to(cr, x, y < 70 ? 58 : y);
  }
  cairo_line_to(cr, 512, 128);
  cairo_close_path(cr);
  fillRange(cr, rgb(0xf0a878), rgb(0xa04a30), 50, 128);
  cairo_save(cr);
  ridgePath(cr, 512, 128, 80, 30, 3, false);
  cairo_clip(cr);
  cairo_set_source_rgba(cr, 0.5, 0.2, 0.1, 0.25);
  for (int i = 0; i < 6; ++i) cairo_rectangle(cr, 0, 64 + i * 9, 512, 2);
  cairo_fill(cr);
  cairo_restore(cr);
  ridgePath(cr, 512, 128, 100, 8, 4, false);
  fillRange(cr, rgb(0xc07040), rgb(0x803a20), 88, 128);
}

void crystals(cairo_t* cr) {
  ridgePath(cr, 512, 128, 96, 8, 5, false);
  fillRange(cr, rgb(0xe0b0e8), rgb(0x9a70b8), 80, 128);
  Random rnd(6);
  for (int i = 0; i < 22; ++i) {
    double x = i * 512.0 / 22 + rnd.uniform(-6, 6), h = rnd.uniform(30, 74);
    double w = rnd.uniform(7, 13), lean = rnd.uniform(-6, 6);
    polygonPath(cr, {{x - w, 110}, {x + lean, 110 - h}, {x + w, 110}});
    fillRange(cr, rgb(0xfff0ff), rgb(0xb080d0), 110 - h, 110);
    polygonPath(cr, {{x + lean, 110 - h}, {x + w, 110}, {x + lean * 0.3, 110}});
    setColour(cr, rgb(0x8050a0), 0.35);
    cairo_fill(cr);
  }
}

void fortressCity(cairo_t* cr) {
  Random rnd(7);
  for (int layer = 0; layer < 2; ++layer) {
    for (double x = 0; x < 512;) {
      double w = rnd.uniform(14, 30), h = rnd.uniform(20, 58) - layer * 12;
      double top = 120 - h;
      cairo_rectangle(cr, x, top, w - 2, 128 - top);
      Rgb a = layer ? rgb(0x3a2a50) : rgb(0x5a4a78), b = layer ? rgb(0x1a1228) : rgb(0x2a2040);
      fillRange(cr, a, b, top, 128);
      for (double wy = top + 5; wy < 118; wy += 8) {  // lit windows
        for (double wx = x + 3; wx < x + w - 5; wx += 6) {
          if (rnd.next() % 3 == 0) {
            cairo_rectangle(cr, wx, wy, 2, 3);
            setColour(cr, rgb(0xffd870), 0.9);
            cairo_fill(cr);
          }
        }
      }
      x += w;
      if (x > 512 - 14) break;
    }
  }
}

// Near layers: 512 x 64 bands.
void forest(cairo_t* cr) {
  ridgePath(cr, 512, 64, 40, 6, 8, false);
  fillRange(cr, rgb(0x5ab050), rgb(0x2a6a30), 30, 64);
  Random rnd(9);
  for (int i = 0; i < 26; ++i) {
    double x = i * 512.0 / 26 + rnd.uniform(-5, 5);
    double base = ridge(x, 512, 40, 6, 8) + 4, h = rnd.uniform(14, 26);
    polygonPath(cr, {{x - 7, base}, {x, base - h}, {x + 7, base}});
    fillRange(cr, rgb(0x4aa048), rgb(0x1e5a2a), base - h, base);
    ellipsePath(cr, x - 2, base - h * 0.6, 1.5, 3);
    setColour(cr, {1, 1, 1}, 0.25);
    cairo_fill(cr);
  }
}

void rocks(cairo_t* cr) {
  ridgePath(cr, 512, 64, 44, 5, 10, false);
  fillRange(cr, rgb(0xb08a60), rgb(0x6a4a30), 36, 64);
  Random rnd(11);
  for (int i = 0; i < 12; ++i) {
    double x = i * 512.0 / 12 + rnd.uniform(-10, 10), h = rnd.uniform(12, 30);
    double w = rnd.uniform(10, 20);
    polygonPath(cr, {{x - w, 52}, {x - w * 0.6, 52 - h}, {x + w * 0.3, 50 - h}, {x + w, 52}});
    fillRange(cr, rgb(0xd8b890), rgb(0x7a5a40), 50 - h, 52);
  }
}

void shards(cairo_t* cr) {
  ridgePath(cr, 512, 64, 46, 4, 12, false);
  fillRange(cr, rgb(0xf0c0e8), rgb(0xa070a8), 38, 64);
  Random rnd(13);
  for (int i = 0; i < 18; ++i) {
    double x = i * 512.0 / 18 + rnd.uniform(-6, 6), h = rnd.uniform(14, 34);
    double lean = rnd.uniform(-8, 8);
    polygonPath(cr, {{x - 6, 50}, {x + lean, 50 - h}, {x + 6, 50}});
    fillRange(cr, rgb(0xffffff), rgb(0xd080c8), 50 - h, 50);
  }
}

void pipes(cairo_t* cr) {
  // Block widths scaled to fill the band exactly, so the last block meets the first.
  Random rnd(14);
  std::vector<double> widths;
  double total = 0;
  while (total < 512) {
    widths.push_back(rnd.uniform(16, 34));
    total += widths.back();
  }
  double x = 12;  // start inside a block so the tiles' own edges fall mid-block
  for (double w : widths) {
    w *= 512 / total;
    double h = rnd.uniform(14, 34);
    cairo_rectangle(cr, x, 60 - h, w - 3, h + 4);
    fillRange(cr, rgb(0x8a8a9a), rgb(0x3a3a4a), 60 - h, 64);
    cairo_rectangle(cr, x + 2, 60 - h, w - 7, 2);
    setColour(cr, rgb(0xd0d0e0), 0.7);
    cairo_fill(cr);
    x += w;
  }
  cairo_rectangle(cr, 0, 40, 512, 5);  // a pipeline running across
  fillRange(cr, rgb(0xa0a8b0), rgb(0x505860), 40, 45);
}
}  // namespace

// A ridge line that repeats exactly every `width` pixels: a sum of waves with whole
// numbers of periods across the band.
double ridge(double x, double width, double base, double amplitude, unsigned seed) {
  Random rnd(seed);
  double h = 0;
  for (int k = 1; k <= 7; ++k) {
    double phase = rnd.uniform(0, 2 * M_PI), weight = rnd.uniform(0.3, 1.0) / k;
    h += std::sin(2 * M_PI * k * x / width + phase) * weight;
  }
  return base - h * amplitude;
}

void ridgePath(cairo_t* cr, double width, double height, double base, double amplitude,
               unsigned seed, bool sharp) {
  cairo_new_path(cr);
  cairo_move_to(cr, 0, height);
  for (int x = 0; x <= int(width); x += 2) {
    double y = ridge(x, width, base, amplitude, seed);
    if (sharp) y -= std::fabs(std::sin(x * M_PI / 32.0)) * amplitude * 0.25;
    cairo_line_to(cr, x, y);
  }
  cairo_line_to(cr, width, height);
  cairo_close_path(cr);
}

// Fills the current path lit from above: pale haze at the top, deeper below.
void fillRange(cairo_t* cr, Rgb top, Rgb bottom, double y0, double y1) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// The ground: the game stretches this texture over 4096 units and scrolls it by wrapping
// every 128 units, two texels, so the pattern must repeat every two texels both ways to
// scroll without a jump: a fine checker of two brightnesses, tinted by the stage colour.
Sheet drawGround() {
  Sheet s(Ground);
  s.tile(128, [](cairo_t* cr) {
    for (int y = 0; y < 64; ++y) {
      for (int x = 0; x < 64; ++x) {
        double v = ((x + y) & 1) ? 0.8 : 1.0;
        cairo_set_source_rgb(cr, v, v, v);
        cairo_rectangle(cr, x, y, 1, 1);
        cairo_fill(cr);
      }
    }
  });
  return s;
}

Sheet drawSkies() {
  Sheet s(Skies);
  for (int i = 0; i < 8; ++i) {
    s.tile(144 + i, [i](cairo_t* cr) { drawSky(cr, SkyTable[i]); });
  }
  return s;
}

Sheet drawFarLayers() {
  Sheet s(FarLayers);
  s.band(160, 4, mountains);
  s.band(164, 4, mesas);
  s.band(168, 4, crystals);
  s.band(172, 4, fortressCity);
  return s;
}

Sheet drawNearLayers() {
  Sheet s(NearLayers);
  s.band(192, 4, forest);
  s.band(196, 4, rocks);
  s.band(200, 4, shards);
  s.band(204, 4, pipes);
  return s;
}
