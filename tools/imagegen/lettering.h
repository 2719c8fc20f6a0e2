#pragma once
#include <cairo.h>

// The lettering typeface of every picture: DejaVu Sans Bold, or its monospaced cut, read
// straight from the Debian font file with hinting off, so the same text always gives the
// same pixels.
cairo_font_face_t* gameFace(bool mono);
void setGameFont(cairo_t* cr, bool mono, double size);
