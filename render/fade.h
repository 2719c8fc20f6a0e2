#pragma once
#include <cstdint>

// The black full-screen fade of play, as opaque as the game's fade level; 1 when it drew.
int32_t drawFadeOverlay();
