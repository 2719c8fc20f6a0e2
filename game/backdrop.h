#pragma once
#include <cstdint>

// Where the backdrop of one frame goes: worked out apart from the drawing so that the
// arithmetic of the scrolling layers can be checked on its own.
constexpr int32_t BackdropLayerTiles = 6;

struct BackdropQuad {
  double x, y, z, sx, sy;
  int32_t slot;  // texture slot
};

struct BackdropLayout {
  BackdropQuad sky;
  BackdropQuad far[BackdropLayerTiles];
  BackdropQuad near[BackdropLayerTiles];
  bool hasCeiling;
  double ceiling[3];  // x, y, z of the ceiling plane
  double ground[3];   // x, y, z of the ground plane
};

// The layout for the current stage, scroll, ceiling and depth scroll at this clock.
void layOutBackdrop(int32_t clock, BackdropLayout& out);
