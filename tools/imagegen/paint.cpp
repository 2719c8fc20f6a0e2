#include "paint.h"

#include <algorithm>
#include <cmath>
#include <vector>

Rgb rgb(unsigned hex) {
  return {((hex >> 16) & 255) / 255.0, ((hex >> 8) & 255) / 255.0, (hex & 255) / 255.0};
}
Rgb mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb lighter(Rgb c, double t) { return mix(c, {1, 1, 1}, t); }
Rgb darker(Rgb c, double t) { return mix(c, {0, 0, 0}, t); }

namespace {
Picture fromSurface(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  int w = cairo_image_surface_get_width(surface);
  int h = cairo_image_surface_get_height(surface);
  int stride = cairo_image_surface_get_stride(surface);
  const uint8_t* data = cairo_image_surface_get_data(surface);
  Picture out(w, h);
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * size_t(stride));
    for (int x = 0; x < w; ++x) {
      uint32_t p = row[x];  // premultiplied ARGB in native order
      uint8_t a = uint8_t(p >> 24);
      uint8_t* o = out.at(x, y);
      auto straight = [a](uint32_t c) {
        return a ? uint8_t(std::min(255u, (c * 255u + a / 2u) / a)) : uint8_t(0);
      };
      o[0] = straight((p >> 16) & 255);
      o[1] = straight((p >> 8) & 255);
      o[2] = straight(p & 255);
      o[3] = a;
    }
  }
  return out;
}

Picture renderSurface(int w, int h, const DrawFn& fn, cairo_format_t format) {
  cairo_surface_t* surface = cairo_image_surface_create(format, w, h);
  cairo_t* cr = cairo_create(surface);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  fn(cr);
  cairo_destroy(cr);
  Picture out = fromSurface(surface);
  cairo_surface_destroy(surface);
  return out;
}
}  // namespace

void bleedColour(Picture& picture) {
  const int w = picture.width, h = picture.height;
  std::vector<uint8_t> known(size_t(w) * size_t(h));
  double sum[3] = {0, 0, 0};
  double weight = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const uint8_t* p = picture.at(x, y);
      known[size_t(y) * w + x] = p[3] > 0;
      for (int c = 0; c < 3; ++c) sum[c] += p[c] * p[3];
      weight += p[3];
    }
  }
  // Grow the coloured area one ring at a time from the visible pixels outward.
  for (int pass = 0; pass < 24; ++pass) {
    std::vector<uint8_t> next = known;
    bool grew = false;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        if (known[size_t(y) * w + x]) continue;
        int acc[3] = {0, 0, 0}, n = 0;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= w || ny >= h || !known[size_t(ny) * w + nx]) continue;
            const uint8_t* q = picture.at(nx, ny);
            for (int c = 0; c < 3; ++c) acc[c] += q[c];
            ++n;
          }
        }
        if (!n) continue;
        uint8_t* p = picture.at(x, y);
        for (int c = 0; c < 3; ++c) p[c] = uint8_t((acc[c] + n / 2) / n);
        next[size_t(y) * w + x] = 1;
        grew = true;
      }
    }
    known.swap(next);
    if (!grew) break;
  }
  // What is still far from everything takes the picture's average colour.
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (known[size_t(y) * w + x]) continue;
      uint8_t* p = picture.at(x, y);
      for (int c = 0; c < 3; ++c) p[c] = weight > 0 ? uint8_t(sum[c] / weight + 0.5) : 0;
    }
  }
}

Picture render(int w, int h, const DrawFn& fn) {
  Picture out = renderSurface(w, h, fn, CAIRO_FORMAT_ARGB32);
  bleedColour(out);
  return out;
}

Picture renderOpaque(int w, int h, const DrawFn& fn) {
  Picture out = renderSurface(w, h, fn, CAIRO_FORMAT_RGB24);
  for (size_t i = 3; i < out.rgba.size(); i += 4) out.rgba[i] = 255;
  return out;
}

void setColour(cairo_t* cr, Rgb c, double alpha) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void ellipsePath(cairo_t* cr, double x, double y, double rx, double ry) {
  cairo_new_sub_path(cr);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_close_path(cr);
}

void polygonPath(cairo_t* cr, std::initializer_list<Pt> points) {
  cairo_new_sub_path(cr);
  for (const Pt& p : points) cairo_line_to(cr, p.x, p.y);
  cairo_close_path(cr);
}

void roundRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void fillLit(cairo_t* cr, Rgb base, double top, double bottom, double outline) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, top, 0, bottom);
  Rgb hi = lighter(base, 0.35), lo = darker(base, 0.35);
  cairo_pattern_add_color_stop_rgb(p, 0.0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(p, 0.45, base.r, base.g, base.b);
  cairo_pattern_add_color_stop_rgb(p, 1.0, lo.r, lo.g, lo.b);
  cairo_set_source(cr, p);
  if (outline > 0) {
    cairo_fill_preserve(cr);
    setColour(cr, darker(base, 0.55));
    cairo_set_line_width(cr, outline);
    cairo_stroke(cr);
  } else {
    cairo_fill(cr);
  }
  cairo_pattern_destroy(p);
}

void ball(cairo_t* cr, double x, double y, double r, Rgb base, double outline) {
  cairo_pattern_t* p =
      cairo_pattern_create_radial(x - r * 0.35, y - r * 0.45, r * 0.05, x, y, r * 1.05);
  Rgb hi = lighter(base, 0.6), lo = darker(base, 0.45);
  cairo_pattern_add_color_stop_rgb(p, 0.0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(p, 0.45, base.r, base.g, base.b);
  cairo_pattern_add_color_stop_rgb(p, 1.0, lo.r, lo.g, lo.b);
  ellipsePath(cr, x, y, r, r);
  cairo_set_source(cr, p);
  if (outline > 0) {
    cairo_fill_preserve(cr);
    setColour(cr, darker(base, 0.6));
    cairo_set_line_width(cr, outline);
    cairo_stroke(cr);
  } else {
    cairo_fill(cr);
  }
  cairo_pattern_destroy(p);
}

void blob(cairo_t* cr, double x, double y, double rx, double ry, Rgb base, double outline) {
  ellipsePath(cr, x, y, rx, ry);
  fillLit(cr, base, y - ry, y + ry, outline);
}

void glow(cairo_t* cr, double x, double y, double r, Rgb c, double alpha) {
  cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
  cairo_pattern_add_color_stop_rgba(p, 0.0, c.r, c.g, c.b, alpha);
  cairo_pattern_add_color_stop_rgba(p, 0.4, c.r, c.g, c.b, alpha * 0.55);
  cairo_pattern_add_color_stop_rgba(p, 1.0, c.r, c.g, c.b, 0.0);
  cairo_set_source(cr, p);
  ellipsePath(cr, x, y, r, r);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void eye(cairo_t* cr, double x, double y, double r, Rgb iris) {
  ellipsePath(cr, x, y, r, r);
  setColour(cr, darker(iris, 0.8));
  cairo_fill(cr);
  glow(cr, x, y, r * 0.95, lighter(iris, 0.2));
  ellipsePath(cr, x, y, r * 0.45, r * 0.45);
  setColour(cr, lighter(iris, 0.5));
  cairo_fill(cr);
  ellipsePath(cr, x - r * 0.3, y - r * 0.35, r * 0.18, r * 0.18);
  setColour(cr, {1, 1, 1});
  cairo_fill(cr);
}

void starPath(cairo_t* cr, double x, double y, double outer, double inner, int points,
              double turn) {
  cairo_new_sub_path(cr);
  for (int i = 0; i < points * 2; ++i) {
    double a = turn - M_PI / 2 + i * M_PI / points;
    double r = (i & 1) ? inner : outer;
    cairo_line_to(cr, x + std::cos(a) * r, y + std::sin(a) * r);
  }
  cairo_close_path(cr);
}

void cloud(cairo_t* cr, double x, double y, double r, Rgb c, double alpha, unsigned seed) {
  Random rnd(seed);
  for (int i = 0; i < 9; ++i) {
    double a = rnd.uniform(0, 2 * M_PI), d = rnd.uniform(0, r * 0.55);
    double pr = rnd.uniform(r * 0.35, r * 0.55);
    double px = x + std::cos(a) * d, py = y + std::sin(a) * d * 0.8;
    cairo_pattern_t* p = cairo_pattern_create_radial(px - pr * 0.3, py - pr * 0.4, 0, px, py, pr);
    Rgb hi = lighter(c, 0.35), lo = darker(c, 0.2);
    cairo_pattern_add_color_stop_rgba(p, 0.0, hi.r, hi.g, hi.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.7, c.r, c.g, c.b, alpha * 0.85);
    cairo_pattern_add_color_stop_rgba(p, 1.0, lo.r, lo.g, lo.b, 0.0);
    cairo_set_source(cr, p);
    ellipsePath(cr, px, py, pr, pr);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
}

unsigned Random::next() {
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return state;
}

double Random::uniform(double lo, double hi) { return lo + (hi - lo) * (next() % 100000) / 1e5; }
