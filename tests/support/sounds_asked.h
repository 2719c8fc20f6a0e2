#pragma once
#include <cstdint>
#include <vector>

// Opens the dummy audio device, unless it is open with the sounds loaded, with a 2-second tone
// for every sound effect, so that the game's sounds really start and reach the audio log.
// It stays open: the mixer must not be asked about its channels once it is closed.
void openTestAudio();
// The sound effects the game asked for since the last forgetSoundsAsked, oldest first,
// whether a channel was free for them or not.
std::vector<int32_t> soundsAsked();
void forgetSoundsAsked();
