#pragma once
#include <vector>

#include "render/draw_queue.h"

// The objects queued since the last call, in queue order; the queue is emptied without
// drawing anything.
std::vector<DrawItem> takeQueuedDraws();
