#include "tests/actors/actor_fixture.h"

#include <SDL_mixer.h>

#include "actors/kind_updates.h"
#include "game/game_state.h"
#include "game/player.h"
#include "game/shots.h"
#include "shell/audio.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wav.h"

namespace {
// The effects are loaded once for the whole program; each test only clears the log.
class EffectsLoaded : public ::testing::Environment {
 public:
  void SetUp() override {
    TempFolder dir;
    std::vector<unsigned char> tone = toneWav(0.05);
    for (int n = 1000; n < 1000 + EffectCount; ++n) {
      dir.write("resources/s" + std::to_string(n) + ".aif", tone);
    }
    StdoutCapture quiet;
    openAudioAndLoadEffects();
    quiet.finish();
  }
  void TearDown() override {
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
  }
};
[[maybe_unused]] ::testing::Environment* const Effects =
    ::testing::AddGlobalTestEnvironment(new EffectsLoaded);
}  // namespace

void ActorFixture::SetUp() {
  for (Actor& a : ActorTable) a = Actor{};
  SpawnCursor = 0;
  PreviousWalkClock = 0;
  for (Shot& s : ShotTable) s = Shot{};
  Game = GameState{};
  Game.level = 1;
  ThePlayer = Player{};
  ThePlayer.pos[1] = 400.0;
  ThePlayer.pos[2] = 240.0;
  KindUpdateStandIn = nullptr;
  clearAudioLog();
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
  int32_t n = 0;
  for (int32_t i = 0; i < TheAudioLog.count; ++i) {
    const AudioLogEntry& e = audioLogEntry(i);
    bool asked = e.event == AudioEvent::EffectStarted || e.event == AudioEvent::EffectDropped;
    if (asked && e.value == effect) ++n;
  }
  return n;
}
