// The digest sees every field of every table, and nothing else.
#include "shell/state_digest.h"

#include <gtest/gtest.h>

#include <cstring>

#include "actors/actor_table.h"
#include "actors/stage_sequence.h"
#include "game/effects.h"
#include "game/game_state.h"
#include "game/player.h"
#include "game/shots.h"
#include "screens/ranking.h"
#include "shell/frame_step.h"
#include "shell/preferences.h"

namespace {
// How many bytes of the record can change without changing the digest.
template <class T>
int ignoredBytes(T& record) {
  auto* bytes = reinterpret_cast<unsigned char*>(&record);
  uint64_t before = stateDigest();
  int ignored = 0;
  for (size_t i = 0; i < sizeof(T); ++i) {
    bytes[i] ^= 0x5A;
    if (stateDigest() == before) ++ignored;
    bytes[i] ^= 0x5A;
  }
  EXPECT_EQ(stateDigest(), before);
  return ignored;
}
}  // namespace

// A field left out of the digest shows up here as more ignored bytes than the record's
// padding (4 bytes after the int32 fields of the records holding doubles; 16 in GameState).
TEST(StateDigest, EveryByteOfEveryFieldCountsAndThePaddingDoesNot) {
  EXPECT_EQ(ignoredBytes(LoopState), 0);
  EXPECT_EQ(ignoredBytes(HighlightedRank), 0);
  EXPECT_EQ(ignoredBytes(Game), 16);
  EXPECT_EQ(ignoredBytes(CameraFocus), 0);
  EXPECT_EQ(ignoredBytes(CoinCount), 0);
  EXPECT_EQ(ignoredBytes(ThePlayer), 4);
  EXPECT_EQ(ignoredBytes(FireTimer), 0);
  EXPECT_EQ(ignoredBytes(EffectCursor), 0);
  EXPECT_EQ(ignoredBytes(SpawnCursor), 0);
  EXPECT_EQ(ignoredBytes(PreviousWalkClock), 0);
  EXPECT_EQ(ignoredBytes(Sequence), 0);
}

TEST(StateDigest, EveryRowOfTheTablesCounts) {
  for (int i : {0, ShotCount - 1}) EXPECT_EQ(ignoredBytes(ShotTable[i]), 4) << "shot " << i;
  for (int i : {0, EffectTableSize - 1})
    EXPECT_EQ(ignoredBytes(EffectTable[i]), 4) << "effect " << i;
  for (int i : {0, 31, ActorCount - 1}) EXPECT_EQ(ignoredBytes(ActorTable[i]), 4) << "actor " << i;
}

TEST(StateDigest, DoublesCountByTheirBitPattern) {
  Game.sideScroll = 0.0;
  uint64_t zero = stateDigest();
  Game.sideScroll = -0.0;
  EXPECT_NE(stateDigest(), zero);
  Game.sideScroll = 0.0;
  EXPECT_EQ(stateDigest(), zero);
}
