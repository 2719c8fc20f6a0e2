#pragma once
#include <cstdint>
#include <vector>

// Opens the dummy audio device with a short tone for every sound effect, so that the
// game's sounds really start and reach the audio log. Safe to call again.
void openTestAudio();
void closeTestAudio();
// The sound effects the game asked for since the last forgetSoundsAsked, oldest first,
// whether a channel was free for them or not.
std::vector<int32_t> soundsAsked();
void forgetSoundsAsked();
