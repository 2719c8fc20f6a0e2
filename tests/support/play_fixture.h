#pragma once
#include <gtest/gtest.h>

#include <cstdint>

#include "render/texture_upload.h"
#include "tests/support/queued_draws.h"
#include "tests/support/sounds_asked.h"

// A test of the game's tables: an offscreen display (queueing a model draws its shadow at
// once), audio whose sounds reach the log, texture slot n named FakeTextureBase + n so that
// a queued quad tells its slot, and the game state, player, actors, shots and effects
// emptied with the draw queue and the audio log.
class PlayTablesTest : public ::testing::Test {
 protected:
  static constexpr uint32_t FakeTextureBase = 1000;
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

 private:
  uint32_t savedSlots_[TextureSlotCount] = {};
};
