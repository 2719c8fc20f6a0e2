#include "tests/support/queued_draws.h"

std::vector<DrawItem> takeQueuedDraws() {
  std::vector<DrawItem> items(DrawQueue.items, DrawQueue.items + DrawQueue.count);
  drawQueuedScene(-1);
  return items;
}
