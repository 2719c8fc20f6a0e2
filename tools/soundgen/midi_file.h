#pragma once
// A standard MIDI file (format 1) written from a score: one track per part on its own
// channel with its General MIDI program, drums on channel 10.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/soundgen/score.h"

namespace music {

std::vector<uint8_t> midiFileBytes(const Song& song, const Score& score);
bool writeMidiFile(const std::string& path, const Song& song, const Score& score);

}  // namespace music
