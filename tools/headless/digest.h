#pragma once
#include <cstdint>

// FNV-1a over every field of the game's tables, one value at a time (never raw struct
// bytes, whose padding is undefined); doubles by their bit pattern.
uint64_t stateDigest();
