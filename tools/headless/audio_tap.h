#pragma once
#include <cstdint>
#include <cstdio>

// The runner's view of the audio log.

// Entries ever logged.
int32_t audioLogTotal();
// Writes the "sfx", "mus", "trk" and "lost" keys of a trace line for the entries logged
// since seen (the total at the previous line), then sets seen to the total.
void writeAudioSince(std::FILE* out, int32_t& seen);
