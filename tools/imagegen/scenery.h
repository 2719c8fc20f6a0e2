#pragma once
#include "paint.h"

// Landscape pieces shared by the backdrop layers and the title pictures.

// The height of a ridge line at x that repeats exactly every `width` pixels.
double ridge(double x, double width, double base, double amplitude, unsigned seed);
// The area under such a ridge down to `height`, as the current path.
void ridgePath(cairo_t* cr, double width, double height, double base, double amplitude,
               unsigned seed, bool sharp);
// Fills the current path with a vertical gradient from top (at y0) to bottom (at y1).
void fillRange(cairo_t* cr, Rgb top, Rgb bottom, double y0, double y1);
