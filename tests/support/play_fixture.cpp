#include "tests/support/play_fixture.h"

#include <algorithm>

#include "game/game_flow.h"
#include "game/game_state.h"
#include "game/player.h"
#include "tests/support/gl_context.h"

void PlayTablesTest::SetUpTestSuite() {
  openTestDisplay();
  openTestAudio();
}

void PlayTablesTest::SetUp() {
  ASSERT_TRUE(openTestDisplay());
  std::copy_n(TextureSlots, TextureSlotCount, savedSlots_);
  for (int32_t n = 0; n < TextureSlotCount; ++n) TextureSlots[n] = FakeTextureBase + n;
  Game = GameState{};
  ThePlayer = Player{};
  resetPlayTables(TableReset::Zero);
  takeQueuedDraws();
  forgetSoundsAsked();
}

void PlayTablesTest::TearDown() { std::copy_n(savedSlots_, TextureSlotCount, TextureSlots); }
