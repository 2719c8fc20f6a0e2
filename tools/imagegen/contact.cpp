#include <algorithm>
#include <cstdio>

#include "lettering.h"
#include "sheet.h"

namespace {
constexpr int Label = 14;
constexpr int Gap = 4;

// Paints the tile at scale s on a grey checkerboard so transparent areas show.
void tileWithChecks(cairo_t* cr, const Picture& tile, double x, double y, double s) {
  const double w = tile.width * s, h = tile.height * s;
  for (int cy = 0; cy * 8 < h; ++cy) {
    for (int cx = 0; cx * 8 < w; ++cx) {
      double g = ((cx + cy) & 1) ? 0.42 : 0.55;
      cairo_set_source_rgb(cr, g, g, g);
      cairo_rectangle(cr, x + cx * 8, y + cy * 8, std::min(8.0, w - cx * 8),
                      std::min(8.0, h - cy * 8));
      cairo_fill(cr);
    }
  }
  cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, tile.width, tile.height);
  cairo_surface_flush(img);
  uint8_t* data = cairo_image_surface_get_data(img);
  int stride = cairo_image_surface_get_stride(img);
  for (int row = 0; row < tile.height; ++row) {
    auto* out = reinterpret_cast<uint32_t*>(data + size_t(row) * size_t(stride));
    for (int col = 0; col < tile.width; ++col) {
      const uint8_t* p = tile.at(col, row);
      uint32_t a = p[3];
      out[col] = (a << 24) | ((p[0] * a / 255) << 16) | ((p[1] * a / 255) << 8) | (p[2] * a / 255);
    }
  }
  cairo_surface_mark_dirty(img);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  cairo_set_source_surface(cr, img, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_surface_destroy(img);
}
}  // namespace

Picture contactSheet(const Sheet& sheet) {
  const SheetLayout& l = sheet.layout();
  // Small tiles are shown larger, the big pictures smaller, so every cell is readable.
  const double s = l.tileW <= 32 ? 2.0 : (l.tileW >= 256 ? 0.5 : 1.0);
  const int cellW = int(l.tileW * s) + Gap, cellH = int(l.tileH * s) + Label + Gap;
  const int cols = std::min(l.cols, l.tiles), rows = (l.tiles + l.cols - 1) / l.cols;
  return render(cols * cellW + Gap, rows * cellH + Gap, [&](cairo_t* cr) {
    cairo_set_source_rgb(cr, 0.12, 0.13, 0.16);
    cairo_paint(cr);
    setGameFont(cr, false, 11);
    for (int i = 0; i < l.tiles; ++i) {
      const int cx = Gap + (i % l.cols) * cellW, cy = Gap + (i / l.cols) * cellH;
      Picture tile =
          sheet.picture().crop((i % l.cols) * l.tileW, (i / l.cols) * l.tileH, l.tileW, l.tileH);
      tileWithChecks(cr, tile, cx, cy, s);
      char text[32];
      bool font = l.tileW <= 32;
      std::snprintf(text, sizeof text, font ? "%02X" : "%d", l.firstSlot + i);
      cairo_set_source_rgb(cr, 0.95, 0.9, 0.5);
      cairo_move_to(cr, cx + 1, cy + l.tileH * s + 11);
      cairo_show_text(cr, text);
    }
  });
}
