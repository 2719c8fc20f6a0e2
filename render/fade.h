#pragma once
#include <cstdint>

// The black full-screen fade of play, as opaque as the level given (0 clear, 1 black);
// 1 when it drew.
int32_t drawFadeOverlay(double level);
