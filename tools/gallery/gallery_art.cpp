#include "tools/gallery/gallery_art.h"

#include <SDL_opengl.h>
#include <cairo/cairo.h>

#include <cmath>
#include <vector>

#include "render/text.h"
#include "render/texture_upload.h"

namespace {
// A texture from a cairo ARGB32 surface (premultiplied, native-endian words).
uint32_t uploadSurface(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  int w = cairo_image_surface_get_width(surface);
  int h = cairo_image_surface_get_height(surface);
  int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  std::vector<uint8_t> rgba(size_t(w) * size_t(h) * 4);
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (int x = 0; x < w; ++x) {
      uint32_t p = row[x];
      uint8_t a = uint8_t(p >> 24);
      uint8_t* out = &rgba[(size_t(y) * w + x) * 4];
      for (int c = 0; c < 3; ++c) {
        uint8_t premultiplied = uint8_t(p >> (16 - 8 * c));
        out[c] = a ? uint8_t(premultiplied * 255 / a) : 0;
      }
      out[3] = a;
    }
  }
  return makeTexture(rgba.data(), w, h, true, 1);
}

uint32_t glyph(int cell, char c) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cell, cell);
  cairo_t* cr = cairo_create(s);
  cairo_select_font_face(cr, "DejaVu Sans Mono", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, cell * 0.95);
  char text[2] = {c, 0};
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_move_to(cr, (cell - e.x_advance) / 2, cell * 0.78);
  cairo_show_text(cr, text);
  cairo_destroy(cr);
  uint32_t name = uploadSurface(s);
  cairo_surface_destroy(s);
  return name;
}
}  // namespace

void makeStandInFonts() {
  for (int code = 32; code < 128; ++code) {
    SmallFontTiles[code - 32] = glyph(16, char(code));
    LargeFontTiles[code - 32] = glyph(32, char(code));
  }
}

uint32_t makeArrowSprite() {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 64, 64);
  cairo_t* cr = cairo_create(s);
  cairo_set_source_rgba(cr, 0.2, 0.4, 0.8, 0.85);
  cairo_paint(cr);
  cairo_set_source_rgb(cr, 1.0, 0.9, 0.3);
  cairo_rectangle(cr, 0, 0, 64, 6);  // the picture's top edge
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_move_to(cr, 10, 10);  // arrow head at the top-left corner
  cairo_line_to(cr, 38, 12);
  cairo_line_to(cr, 12, 38);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_set_line_width(cr, 8);
  cairo_move_to(cr, 20, 20);
  cairo_line_to(cr, 54, 54);
  cairo_stroke(cr);
  cairo_destroy(cr);
  uint32_t name = uploadSurface(s);
  cairo_surface_destroy(s);
  return name;
}

uint32_t makeGlowSprite(uint32_t rgb) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 64, 64);
  cairo_t* cr = cairo_create(s);
  double r = ((rgb >> 16) & 255) / 255.0, g = ((rgb >> 8) & 255) / 255.0, b = (rgb & 255) / 255.0;
  cairo_pattern_t* p = cairo_pattern_create_radial(32, 32, 2, 32, 32, 31);
  cairo_pattern_add_color_stop_rgba(p, 0.0, 1, 1, 1, 1);
  cairo_pattern_add_color_stop_rgba(p, 0.35, r, g, b, 0.9);
  cairo_pattern_add_color_stop_rgba(p, 1.0, r, g, b, 0.0);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
  cairo_destroy(cr);
  uint32_t name = uploadSurface(s);
  cairo_surface_destroy(s);
  return name;
}

uint32_t makeGroundTile() {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 64, 64);
  cairo_t* cr = cairo_create(s);
  cairo_set_source_rgb(cr, 0.55, 0.6, 0.45);
  cairo_paint(cr);
  cairo_set_source_rgb(cr, 0.4, 0.47, 0.32);
  for (int i = 0; i < 8; ++i) {
    cairo_rectangle(cr, i * 8, 0, 1, 64);
    cairo_rectangle(cr, 0, i * 8, 64, 1);
  }
  cairo_fill(cr);
  cairo_destroy(cr);
  uint32_t name = uploadSurface(s);
  cairo_surface_destroy(s);
  return name;
}

bool writeScreenPng(const std::string& path) {
  std::vector<uint8_t> rgba(640 * 480 * 4);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, 640, 480, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 640, 480);
  int stride = cairo_image_surface_get_stride(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  for (int y = 0; y < 480; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    const uint8_t* src = &rgba[size_t(479 - y) * 640 * 4];  // GL rows run bottom up
    for (int x = 0; x < 640; ++x, src += 4) {
      row[x] = 0xFF000000u | uint32_t(src[0]) << 16 | uint32_t(src[1]) << 8 | src[2];
    }
  }
  cairo_surface_mark_dirty(s);
  bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(s);
  return ok;
}
