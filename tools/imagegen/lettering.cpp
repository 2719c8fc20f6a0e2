#include "lettering.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace {
FT_Library freetype() {
  static FT_Library library = [] {
    FT_Library l = nullptr;
    FT_Init_FreeType(&l);
    return l;
  }();
  return library;
}
}  // namespace

// The typeface of every lettering the game shows, from the Debian fonts-dejavu-core package.
cairo_font_face_t* gameFace(bool mono) {
  static cairo_font_face_t* faces[2] = {nullptr, nullptr};
  cairo_font_face_t*& face = faces[mono ? 1 : 0];
  if (!face) {
    FT_Face ft = nullptr;
    const char* path = mono ? "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf"
                            : "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
    if (FT_New_Face(freetype(), path, 0, &ft) != 0) return nullptr;
    face = cairo_ft_font_face_create_for_ft_face(ft, 0);
  }
  return face;
}

void setGameFont(cairo_t* cr, bool mono, double size) {
  cairo_set_font_face(cr, gameFace(mono));
  cairo_set_font_size(cr, size);
  cairo_font_options_t* o = cairo_font_options_create();
  cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, o);
  cairo_font_options_destroy(o);
}
