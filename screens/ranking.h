#pragma once
#include <cstdint>

// Inserts a finished game's score into the ranking; answers its position.
int32_t insertScore(int32_t score);
