#pragma once
#include <cairo.h>

#include <functional>
#include <initializer_list>

#include "picture.h"

// Drawing vocabulary shared by every sheet. One art direction for the whole game: light
// falls from above, so shapes are lit at the top and shaded at the bottom, outlined in a
// darker shade of their own colour (never black), with a soft highlight up and to the left.

struct Rgb {
  double r, g, b;
};
Rgb rgb(unsigned hex);
Rgb mix(Rgb a, Rgb b, double t);
Rgb lighter(Rgb c, double t);  // toward white
Rgb darker(Rgb c, double t);   // toward black

struct Pt {
  double x, y;
};

using DrawFn = std::function<void(cairo_t*)>;

// Renders fn on a transparent w x h canvas and answers it as straight RGBA, with the
// colour of the nearest visible pixels spread under the transparent ones: linear
// filtering then blends edges toward their own colour, not toward black.
Picture render(int w, int h, const DrawFn& fn);
// The same for an opaque picture (no colour spreading needed).
Picture renderOpaque(int w, int h, const DrawFn& fn);
// Spreads the colour of visible pixels into the fully transparent ones.
void bleedColour(Picture& picture);

void setColour(cairo_t* cr, Rgb c, double alpha = 1.0);
void ellipsePath(cairo_t* cr, double x, double y, double rx, double ry);
void polygonPath(cairo_t* cr, std::initializer_list<Pt> points);
void roundRectPath(cairo_t* cr, double x, double y, double w, double h, double r);

// Fills the current path lit from above (light top, dark bottom across [top, bottom]),
// then outlines it; the path is consumed.
void fillLit(cairo_t* cr, Rgb base, double top, double bottom, double outline = 1.5);
// A lit ball: radial shading with the highlight up and to the left.
void ball(cairo_t* cr, double x, double y, double r, Rgb base, double outline = 1.5);
// A lit ellipse, shaded like fillLit.
void blob(cairo_t* cr, double x, double y, double rx, double ry, Rgb base, double outline = 1.5);
// A soft glow: colour at the centre fading to transparent at radius r.
void glow(cairo_t* cr, double x, double y, double r, Rgb c, double alpha = 1.0);
// A glowing eye or lamp: dark socket, bright core, white glint.
void eye(cairo_t* cr, double x, double y, double r, Rgb iris);
// A five-or-more pointed star path.
void starPath(cairo_t* cr, double x, double y, double outer, double inner, int points,
              double turn = 0.0);
// A soft cloud of overlapping lit puffs, seeded so it repeats exactly.
void cloud(cairo_t* cr, double x, double y, double r, Rgb c, double alpha, unsigned seed);

// A small deterministic random source (the same seed gives the same numbers everywhere).
struct Random {
  unsigned state;
  explicit Random(unsigned seed) : state(seed * 2654435761u + 12345u) {}
  unsigned next();
  double uniform(double lo, double hi);
};
