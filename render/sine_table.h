#pragma once
#include <cstdint>

// Sine and cosine of k 256ths of a turn, for the game's angle lookups.
constexpr int32_t SineTableSize = 256;
extern double SineTable[SineTableSize];
extern double CosineTable[SineTableSize];

void fillSineTables();
