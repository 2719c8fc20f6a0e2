#pragma once
#include <cstdint>

// Where the ranking is kept: ten entries of a score and a 32-byte text, entry 0 the best.
// The preferences hold them in their file image and define these.
constexpr int32_t RankEntries = 10;
constexpr int32_t RankTextSize = 32;

// False when there is nowhere to keep them (only a test that never loaded the
// preferences runs so); then nothing is recorded.
bool rankingHeld();
int32_t rankScore(int32_t entry);
void setRankScore(int32_t entry, int32_t score);
char* rankText(int32_t entry);
