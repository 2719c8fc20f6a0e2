#include "game/backdrop.h"

#include "game/game_state.h"
#include "game/geometry.h"
#include "render/ground_plane.h"
#include "render/quads.h"
#include "render/texture_upload.h"

namespace {
constexpr int32_t GroundSlot = 128;
constexpr double White[4] = {1.0, 1.0, 1.0, 1.0};

// A layer of tiles that slides sideways with the scroll divided by its rate, and cycles
// through its four pictures as it goes.
struct Layer {
  int32_t rate;
  double spread, y, z, sx, sy;
};
constexpr Layer FarLayer = {16, 24.0, -864.0, 5760.0, 1536.0, 1536.0};
constexpr Layer NearLayer = {8, 20.0, 40.0, 4800.0, 1280.0, 640.0};

void layOutLayer(const Layer& layer, int32_t firstSlot, int32_t scroll, BackdropQuad* tiles) {
  int32_t shifted = scroll / layer.rate;
  int32_t offset = shifted & 127;
  int32_t picture = shifted / 128 & 3;
  for (int32_t i = 0; i < BackdropLayerTiles; ++i) {
    int32_t x0 = -254 + 128 * i;
    tiles[i] = {x0 * layer.spread - offset * layer.spread,
                layer.y,
                layer.z,
                layer.sx,
                layer.sy,
                firstSlot + ((i + picture) & 3)};
  }
}

// How far the ground has come toward the camera within one 128-unit row. Only the product
// modulo 128 matters, so it is taken in wrapping arithmetic.
int32_t groundTravel(int32_t clock) {
  uint32_t product = uint32_t(truncInt32(Game.depthScroll)) * uint32_t(clock);
  return int32_t(product & 127);
}

void drawQuad(const BackdropQuad& q) {
  drawTexturedQuad(q.x, q.y, q.z, q.sx, q.sy, 0.0, White, textureForSlot(q.slot));
}
}  // namespace

void layOutBackdrop(int32_t clock, BackdropLayout& out) {
  const StageBackdrop& row = StageBackdrops[Game.stage & (StageCount - 1)];
  int32_t scroll = Game.backdropScroll;
  out.sky = {0.0, -3840.0, 6720.0, 11520.0, 4608.0, row.skySlot};
  layOutLayer(FarLayer, row.farFirstSlot, scroll, out.far);
  layOutLayer(NearLayer, row.nearFirstSlot, scroll, out.near);
  out.hasCeiling = Game.tunnelCeiling != 0.0;
  out.ceiling[0] = (scroll & 127) - 2048;
  out.ceiling[1] = (122.0 - Game.tunnelCeiling) * -100.0;
  out.ceiling[2] = 240 - groundTravel(clock);
  out.ground[0] = -2048 - (scroll & 127);
  out.ground[1] = 480.0;
  out.ground[2] = 236 - groundTravel(clock);
}

int32_t drawBackdrop(int32_t clock) {
  BackdropLayout layout;
  layOutBackdrop(clock, layout);
  drawQuad(layout.sky);
  for (const BackdropQuad& q : layout.far) drawQuad(q);
  for (const BackdropQuad& q : layout.near) drawQuad(q);
  // One colour for both planes: a ceiling darkens it in place before the ground gets it.
  const StageBackdrop& row = StageBackdrops[Game.stage & (StageCount - 1)];
  double colour[4] = {row.groundColour[0], row.groundColour[1], row.groundColour[2],
                      row.groundColour[3]};
  uint32_t ground = textureForSlot(GroundSlot);
  const double* c = layout.ceiling;
  if (layout.hasCeiling) drawGroundPlane(c[0], c[1], c[2], colour, ground);
  const double* g = layout.ground;
  drawGroundPlane(g[0], g[1], g[2], colour, ground);
  Game.backdropScroll = wrappingAdd(Game.backdropScroll, truncInt32(Game.sideScroll));
  return Game.backdropScroll;
}
