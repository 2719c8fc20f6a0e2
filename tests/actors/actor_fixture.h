#pragma once
#include <gtest/gtest.h>

#include <cstdint>

#include "actors/actor_table.h"

// Empties the actor, shot and game tables, puts the player at its start point and clears
// the audio log before each test. The audio device is open with every effect loaded.
class ActorFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Places an actor of the type at the point, with no velocity and no anchor.
  int32_t place(int32_t type, double x, double y, double z, int32_t start = 0);
  // Makes every slot live.
  void fillTable();
  // Times the effect was asked for since the test began, played or dropped.
  int32_t effectCount(int32_t effect) const;
};
