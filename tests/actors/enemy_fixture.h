#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "actors/actor_table.h"
#include "game/game_flow.h"
#include "game/game_state.h"
#include "game/geometry.h"
#include "game/player.h"
#include "render/draw_queue.h"
#include "tests/support/play_fixture.h"

struct Vec3 {
  double x, y, z;
};

// Sprite actors placed straight into the actor table and walked frame by frame on a
// moving clock, with the player at its start point, level 1 and no scroll.
class EnemyTest : public PlayTablesTest {
 protected:
  void SetUp() override {
    PlayTablesTest::SetUp();
    fillSineTables();  // start-up fills them with the meshes
    Game.level = 1;
    ThePlayer.pos[0] = 0.0;
    ThePlayer.pos[1] = 400.0;
    ThePlayer.pos[2] = 240.0;
    SpawnCursor = 0;
    PreviousWalkClock = 0;
  }

  int32_t place(int32_t type, int32_t sprite, int32_t start, Vec3 pos, Vec3 vel = {},
                Vec3 anchor = {}) {
    const double p[3] = {pos.x, pos.y, pos.z};
    const double v[3] = {vel.x, vel.y, vel.z};
    const double a[3] = {anchor.x, anchor.y, anchor.z};
    return spawnActor(type, sprite, start, p, v, a);
  }

  // One walk on the next clock, then the stage it asked for; answers what it queued.
  std::vector<DrawItem> walk() {
    actorWalk(++clock_);
    startRequestedStage();
    return takeQueuedDraws();
  }
  void walk(int32_t frames) {
    for (int32_t i = 0; i < frames; ++i) walk();
  }

  // Queued quads showing the texture slot.
  static int32_t countSlot(const std::vector<DrawItem>& draws, int32_t slot) {
    int32_t n = 0;
    for (const DrawItem& d : draws) n += d.image == int32_t(FakeTextureBase) + slot;
    return n;
  }
  // The picture of the actor among the draws (the first queued at its position).
  static DrawItem drawOf(const std::vector<DrawItem>& draws, const Actor& a) {
    for (const DrawItem& d : draws) {
      if (d.x == a.pos[0] && d.y == a.pos[1] && d.z == a.pos[2]) return d;
    }
    ADD_FAILURE() << "not drawn";
    return DrawItem{};
  }
  static int32_t slotOf(const DrawItem& d) { return d.image - int32_t(FakeTextureBase); }

  // Live actors of the type.
  static int32_t countType(int32_t type) {
    int32_t n = 0;
    for (const Actor& a : ActorTable) n += a.type == type;
    return n;
  }

  int32_t clock_ = 0;
};
