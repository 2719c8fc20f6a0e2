#include "render/draw_queue.h"

#include <utility>

#include "render/models.h"
#include "render/primitives.h"
#include "render/quads.h"

DrawQueueTable DrawQueue;
int32_t LastFlushCount = 0;

namespace {
constexpr double ShadowPlaneY = 472.0;
constexpr double ShadowWidthRatio = 1.2;  // a model's shadow is wider than it is deep

void swapPositions(double* keys, int32_t* order, int32_t a, int32_t b) {
  std::swap(keys[a], keys[b]);
  std::swap(order[a], order[b]);
}

void emptyQueue() {
  for (DrawItem& item : DrawQueue.items) {
    item.image = -1;
    item.z = 0.0;
  }
  DrawQueue.count = 0;
}
}  // namespace

void queueDraw(double x, double y, double z, double sx, double sy, double angle,
               const double* colour, int32_t image, int32_t drawKind) {
  // A full table would wrap onto the first slot and the flush would sort past the keys:
  // the frame's extra objects are simply not drawn.
  if (DrawQueue.count >= DrawQueueSize) return;
  int32_t slot = DrawQueue.count;
  if (drawKind == ModelDrawKind) drawShadow(x, ShadowPlaneY, z, ShadowWidthRatio * sx, sx);
  DrawItem& item = DrawQueue.items[slot];
  item.image = image;
  item.drawKind = drawKind;
  for (int c = 0; c < 4; ++c) item.colour[c] = colour[c];
  item.x = x;
  item.y = y;
  item.z = z;
  item.sx = sx;
  item.sy = sy;
  item.angle = angle;
  DrawQueue.depthKeys[slot] = z;
  DrawQueue.order[slot] = slot;
  ++DrawQueue.count;
}

void sortByDepth(double* keys, int32_t* order, int32_t lo, int32_t hi) {
  if (lo >= hi) return;
  double pivot = keys[lo];
  int32_t i = lo + 1;
  int32_t j = hi;
  for (;;) {
    while (i <= j && keys[i] <= pivot) ++i;
    if (i <= j) {
      while (i <= j && keys[j] >= pivot) --j;
    }
    if (i >= j) break;
    swapPositions(keys, order, i, j);
    ++i;
    --j;
    if (i > j) break;
  }
  swapPositions(keys, order, lo, j);
  sortByDepth(keys, order, lo, j - 1);
  sortByDepth(keys, order, j + 1, hi);
}

int32_t drawQueuedScene(int32_t skip) {
  int32_t count = DrawQueue.count;
  if (count > DrawQueueSize) count = DrawQueueSize;
  LastFlushCount = count;
  sortByDepth(DrawQueue.depthKeys, DrawQueue.order, 0, count - 1);
  if (skip == 0) {
    for (int32_t p = count - 1; p >= 0; --p) {
      const DrawItem& item = DrawQueue.items[DrawQueue.order[p]];
      if (item.image == -1) continue;
      if (item.drawKind == ModelDrawKind) {
        drawModel(item.x, item.y, item.z, item.sx, item.sy, item.angle, item.colour, item.image);
      } else {
        drawTexturedQuad(item.x, item.y, item.z, item.sx, item.sy, item.angle, item.colour,
                         uint32_t(item.image));
      }
    }
  }
  emptyQueue();
  return 0;
}
