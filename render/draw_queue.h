#pragma once
#include <cstdint>

// Draws this frame's queued objects farthest first (skip 0), or only empties the queue
// (skip -1, a frame that is not drawn).
int32_t drawQueuedScene(int32_t skip);
