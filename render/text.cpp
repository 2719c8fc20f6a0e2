#include "render/text.h"

// Placeholder until quads, fonts and the fade land: draws nothing.
int32_t drawFadeOverlay() { return 0; }
