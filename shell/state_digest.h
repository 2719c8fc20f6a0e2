#pragma once
#include <cstdint>

// FNV-1a over every field of the game's tables, one value at a time (never raw struct
// bytes, whose padding is undefined); doubles by their bit pattern.
uint64_t stateDigest();
// The same, but blind to whether the last frame was drawn (the frame-skip bit of the
// current mode): a replay played with another frame-skip setting keeps this digest.
uint64_t playDigest();
// A digest of the stage data in use: the stage sequence as the game holds it, in the
// bytes of a stage file.
uint64_t stageDataDigest();
