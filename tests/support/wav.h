#pragma once
#include <string>
#include <vector>

// A 16-bit stereo 44.1 kHz WAV file of a quiet tone, as bytes. SDL_mixer tells the
// format by its contents, so tests may store it under an .aif name.
std::vector<unsigned char> toneWav(double seconds);
