#pragma once
#include <cstdint>

constexpr int32_t RankingPictureSlot = 225;

// The ranking over its dimmed picture at frame t of its phase: it slides up for 240
// frames and then stays. The highlighted entry is red. Drawn at once; answers the
// number of characters drawn.
int32_t drawRankingTable(int32_t t);
