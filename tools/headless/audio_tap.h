#pragma once
#include <cstdint>
#include <cstdio>

// The runner's view of the audio log, kept in a file of its own: the sound header and the
// effects header both name an EffectCount.

// Entries ever logged.
int32_t audioLogTotal();
// Writes the "sfx", "mus", "trk" and "lost" keys of a trace line for the entries logged
// since seen (the total at the previous line), then sets seen to the total.
void writeAudioSince(std::FILE* out, int32_t& seen);
