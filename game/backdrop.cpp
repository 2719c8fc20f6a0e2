#include "game/game_state.h"
#include "game/geometry.h"
#include "render/ground_plane.h"
#include "render/quads.h"
#include "shell/texture_upload.h"

namespace {
constexpr int32_t GroundSlot = 128;
constexpr int32_t LayerTiles = 6;
constexpr double White[4] = {1.0, 1.0, 1.0, 1.0};

void drawSky(const StageBackdrop& row) {
  drawTexturedQuad(0.0, -3840.0, 6720.0, 11520.0, 4608.0, 0.0, White, textureForSlot(row.skySlot));
}

// A layer of six tiles that slides sideways with the scroll, divided by its own rate, and
// cycles through its four pictures as it goes.
struct Layer {
  int32_t rate;  // the scroll moves the layer by one unit every rate steps
  double spread, y, z, sx, sy;
};
constexpr Layer FarLayer = {16, 24.0, -864.0, 5760.0, 1536.0, 1536.0};
constexpr Layer NearLayer = {8, 20.0, 40.0, 4800.0, 1280.0, 640.0};

void drawLayer(const Layer& layer, int32_t firstSlot, int32_t scroll) {
  int32_t shifted = scroll / layer.rate;
  int32_t offset = shifted & 127;
  int32_t picture = shifted / 128 & 3;
  for (int32_t i = 0; i < LayerTiles; ++i) {
    int32_t x0 = -254 + 128 * i;
    drawTexturedQuad(x0 * layer.spread - offset * layer.spread, layer.y, layer.z, layer.sx,
                     layer.sy, 0.0, White, textureForSlot(firstSlot + ((i + picture) & 3)));
  }
}

// How far the ground has come toward the camera within one tile row of 128 units. The
// product only matters modulo 128, so it is taken in wrapping arithmetic.
int32_t groundTravel(int32_t clock) {
  uint32_t product = uint32_t(truncInt32(Game.depthScroll)) * uint32_t(clock);
  return int32_t(product & 127);
}
}  // namespace

int32_t drawBackdrop(int32_t clock) {
  const StageBackdrop& row = StageBackdrops[Game.stage & (StageCount - 1)];
  int32_t scroll = Game.backdropScroll;
  drawSky(row);
  drawLayer(FarLayer, row.farFirstSlot, scroll);
  drawLayer(NearLayer, row.nearFirstSlot, scroll);
  // One colour for both planes: the ceiling darkens it in place before the ground gets it.
  double colour[4] = {row.groundColour[0], row.groundColour[1], row.groundColour[2],
                      row.groundColour[3]};
  uint32_t ground = textureForSlot(GroundSlot);
  if (Game.tunnelCeiling != 0.0) {
    drawGroundPlane((scroll & 127) - 2048, (122.0 - Game.tunnelCeiling) * -100.0,
                    240 - groundTravel(clock), colour, ground);
  }
  drawGroundPlane(-2048 - (scroll & 127), 480.0, 236 - groundTravel(clock), colour, ground);
  Game.backdropScroll = wrappingAdd(scroll, truncInt32(Game.sideScroll));
  return Game.backdropScroll;
}
