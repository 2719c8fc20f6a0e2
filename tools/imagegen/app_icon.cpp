// The menu icon: the pilot flying at the player out of an evening sky, on a rounded tile.
// From 64 pixels up it is the pilot of the player sheet, drawn at the icon's resolution;
// below that a figure would be a smudge, so the small sizes show the pilot's helmet alone,
// its outline and stripe laid on whole pixels.
#include "app_icon.h"

#include <sys/stat.h>

#include <cmath>

#include "palette.h"
#include "scenery.h"
#include "sheet.h"

namespace {
double tileInset(double size) { return size >= 64 ? size / 32.0 : 1.0; }

void tilePath(cairo_t* cr, double size) {
  const double inset = tileInset(size), side = size - 2 * inset;
  roundRectPath(cr, inset, inset, side, side, side * 0.2);
}

// The tile: sky from deep blue to the glow of the horizon, a thin darker rim.
void tile(cairo_t* cr, double size) {
  tilePath(cr, size);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  fillRange(cr, rgb(0x0a1440), rgb(0xe86a3a), tileInset(size), size - tileInset(size));
  // The sun sinking behind the horizon, as on the title picture.
  glow(cr, size / 2, size * 0.86, size * 0.42, palette::Gold, 0.55);
  cairo_restore(cr);
  tilePath(cr, size);
  cairo_set_line_width(cr, std::max(1.0, size / 64.0));
  setColour(cr, rgb(0x060a24));
  cairo_stroke(cr);
}

void smallHelmet(cairo_t* cr, int size) {
  // Whole-pixel centre and radius, so the outline falls on the same pixels at each run.
  const double c = size / 2.0;
  const double r = std::floor(size * 0.34);
  ball(cr, c, c + size / 32.0, r, palette::Helmet, size >= 48 ? 2.0 : 1.5);
  cairo_save(cr);
  ellipsePath(cr, c, c + size / 32.0, r - 1, r - 1);
  cairo_clip(cr);
  const double stripe = std::round(size * 0.16);
  cairo_rectangle(cr, c - stripe / 2, 0, stripe, size);
  setColour(cr, palette::Scarf);
  cairo_fill(cr);
  cairo_restore(cr);
}

void pilot(cairo_t* cr, int size) {
  cairo_save(cr);
  tilePath(cr, size);
  cairo_clip(cr);
  // The figure is drawn for a 128-pixel tile with its flames below; keep them inside.
  const double scale = size / 128.0 * 0.96;
  cairo_translate(cr, size / 2.0, size / 2.0);
  cairo_scale(cr, scale, scale);
  cairo_translate(cr, -64, -62);
  drawPilot(cr, PilotPose::CentreB);
  cairo_restore(cr);
}
}  // namespace

Picture drawAppIcon(int size) {
  return render(size, size, [size](cairo_t* cr) {
    tile(cr, size);
    if (size >= 64) {
      pilot(cr, size);
    } else {
      smallHelmet(cr, size);
    }
  });
}

bool writeAppIcons(const std::string& dir, const std::string& name) {
  bool ok = true;
  mkdir(dir.c_str(), 0755);
  for (int size : AppIconSizes) {
    const std::string folder = dir + "/" + std::to_string(size) + "x" + std::to_string(size);
    mkdir(folder.c_str(), 0755);
    mkdir((folder + "/apps").c_str(), 0755);
    ok = writePng(folder + "/apps/" + name + ".png", drawAppIcon(size), true) && ok;
  }
  return ok;
}
