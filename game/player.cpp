#include "game/player.h"

Player ThePlayer;
int32_t FireTimer = 0;

// Stub until the player lands here.
int32_t updatePlayer(int32_t clock, int32_t) { return clock + 1; }
