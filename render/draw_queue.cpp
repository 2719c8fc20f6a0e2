#include "render/draw_queue.h"

// Placeholder until the scene renderer lands: nothing is queued yet, so there is
// nothing to draw or to empty.
int32_t drawQueuedScene(int32_t) { return 0; }
