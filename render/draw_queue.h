#pragma once
#include <cstdint>

// One object handed to the draw queue during a frame's update.
struct DrawItem {
  int32_t image;     // texture name, or a model number when drawKind is 1; -1: empty slot
  int32_t drawKind;  // 1: a 3D model; anything else: a textured quad
  double colour[4];  // red, green, blue, alpha
  double x, y, z;    // z is also the sort key
  double sx, sy;     // quad half-extents, or model width and height factors
  double angle;      // degrees
};

constexpr int32_t DrawQueueSize = 128;
constexpr int32_t ModelDrawKind = 1;

// Everything queued since the last flush. order[0..count-1] lists the slots by increasing
// depth once sorted.
struct DrawQueueTable {
  DrawItem items[DrawQueueSize];
  int32_t count;
  double depthKeys[DrawQueueSize];
  int32_t order[DrawQueueSize];
};
extern DrawQueueTable DrawQueue;
// How many items the last flush held: a figure for measuring, read by the tools.
extern int32_t LastFlushCount;

// Queues one object for this frame (the colour is copied). A model's ground shadow is
// drawn at once. A frame holds at most 128 items; later ones are dropped.
void queueDraw(double x, double y, double z, double sx, double sy, double angle,
               const double* colour, int32_t image, int32_t drawKind);

// Draws this frame's queued objects farthest first (skip 0), or only empties the queue
// (skip -1, a frame that is not drawn). Either way the queue is empty afterwards.
int32_t drawQueuedScene(int32_t skip);

// Quicksorts keys[lo..hi] in increasing order, moving order[] along; the first element is
// the pivot. Not stable: callers rely on the exact order it gives equal keys.
void sortByDepth(double* keys, int32_t* order, int32_t lo, int32_t hi);
