#pragma once
// The two shared effects the music parts are sent to: a filtered echo and a small room.
#include "tools/soundgen/dsp.h"

namespace music {

// Adds the echo of a stereo send buffer into `out` (ping-pong, darkening repeats).
void addEcho(const dsp::Buffer& send, double delaySeconds, double feedback, double level,
             dsp::Buffer& out);
// Adds a Schroeder-style reverb of a stereo send buffer into `out`.
void addReverb(const dsp::Buffer& send, double level, dsp::Buffer& out);

}  // namespace music
