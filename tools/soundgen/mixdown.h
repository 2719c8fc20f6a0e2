#pragma once
// Plays a score on the synthesiser: parts, drums, a delay and a reverb, then masters it.
#include "tools/soundgen/mastering.h"
#include "tools/soundgen/score.h"

namespace music {

// Stereo, mastered to the song's loudness with peaks under -2.5 dBFS (the lossy encoders overshoot
// a little), ending on silence.
mastering::Audio mixdown(const Song& song, const Score& score);

}  // namespace music
