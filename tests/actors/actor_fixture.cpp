#include "tests/actors/actor_fixture.h"

#include <algorithm>

#include "actors/kind_updates.h"
#include "game/game_flow.h"
#include "game/game_state.h"
#include "game/player.h"
#include "game/shots.h"
#include "shell/audio.h"
#include "tests/support/sounds_asked.h"

void ActorFixture::SetUp() {
  openTestAudio();
  Game = GameState{};
  Game.level = 1;
  resetPlayTables(TableReset::Zero);
  ThePlayer = Player{};
  ThePlayer.pos[1] = 400.0;
  ThePlayer.pos[2] = 240.0;
  KindUpdateStandIn = nullptr;
  forgetSoundsAsked();
}

void ActorFixture::TearDown() { KindUpdateStandIn = nullptr; }

int32_t ActorFixture::place(int32_t type, double x, double y, double z, int32_t start) {
  const double pos[3] = {x, y, z};
  const double zero[3] = {0.0, 0.0, 0.0};
  return spawnActor(type, 0, start, pos, zero, zero);
}

void ActorFixture::fillTable() {
  for (int32_t i = 0; i < ActorCount; ++i) place(15, 0.0, 0.0, 5000.0);
}

int32_t ActorFixture::effectCount(int32_t effect) const {
  std::vector<int32_t> asked = soundsAsked();
  return int32_t(std::count(asked.begin(), asked.end(), effect));
}
