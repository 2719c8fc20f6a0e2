#pragma once
#include <cstdint>

// The four settings of the preferences record, applied once at their place in start-up,
// after the textures are loaded: the music switch, the mesh detail factor, the frame-skip
// setting and the texture filter of the game textures.
void applySettings();

// The mesh detail factor for settings word 1 (1 to 4 give 1, 2, 4, 8; other levels 4).
int32_t meshDetailFactorFor(int32_t level);
