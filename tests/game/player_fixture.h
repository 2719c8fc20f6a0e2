#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "game/game_flow.h"
#include "game/game_state.h"
#include "game/geometry.h"
#include "game/player.h"
#include "render/camera.h"
#include "render/draw_queue.h"
#include "render/meshes.h"
#include "render/texture_upload.h"
#include "shell/audio.h"
#include "shell/input.h"
#include "shell/input_source.h"
#include "shell/preferences.h"
#include "shell/scripted_input.h"
#include "tests/support/gl_context.h"
#include "tests/support/sounds_asked.h"

// Held-button shorthands for one frame of input, with the default key map.
constexpr int32_t HoldA = Key::Z;
constexpr int32_t HoldB = Key::X;

// The player on the game's display with every sound loaded, flying at (0, 300, 240) on a
// fresh game; each step() runs one player step with the keys given held. Texture slot k
// answers the name 1000 + k, so a queued sprite tells its slot.
class PlayerTest : public ::testing::Test {
 protected:
  static constexpr int32_t NameBase = 1000;
  ScriptedInput script;
  int32_t clock = 500;
  uint32_t savedSlots[TextureSlotCount];

  static void SetUpTestSuite() {
    openTestAudio();
    fillSineTables();
    buildMeshes();  // the shadow is a circle
  }

  void SetUp() override {
    ASSERT_TRUE(openTestDisplay());
    setInputSource(&script);
    openInput();
    int32_t codes[KeyMapSize];
    defaultKeyMap(codes);
    loadKeyMap(codes);
    for (int32_t k = 0; k < TextureSlotCount; ++k) {
      savedSlots[k] = TextureSlots[k];
      TextureSlots[k] = uint32_t(NameBase + k);
    }
    Game = GameState{};
    Game.lives = 3;
    Game.difficulty = 4.5;
    resetPlayTables(TableReset::Zero);
    CoinCount = 0;
    FireTimer = 0;
    ThePlayer = Player{PlayerState::Flying, 0, PlayerEvent::None, {0.0, 300.0, 240.0}};
  }
  void TearDown() override {
    setInputSource(nullptr);
    for (int32_t k = 0; k < TextureSlotCount; ++k) TextureSlots[k] = savedSlots[k];
    DrawQueue.count = 0;
    forgetSoundsAsked();
  }

  void place(int32_t state, int32_t counter, double x, double y, double z = 240.0) {
    ThePlayer.state = state;
    ThePlayer.counter = counter;
    ThePlayer.pos[0] = x;
    ThePlayer.pos[1] = y;
    ThePlayer.pos[2] = z;
  }

  // One player step with these keys held: the audio log and draw queue then hold only what
  // the step did. Every channel is idle at the start unless channelsBusy.
  int32_t step(std::initializer_list<int32_t> keys = {}, int32_t demo = 0,
               bool channelsBusy = false) {
    ScriptedFrame frame;
    frame.keys = keys;
    script.frames = {frame};
    script.position = 0;
    if (channelsBusy)
      clearAudioLog();
    else
      forgetSoundsAsked();
    DrawQueue.count = 0;
    clock = updatePlayer(clock, demo);
    return clock;
  }
  // Steps n frames with the same keys; answers how many of them fired a shot (each shot
  // raises the difficulty by 0.0005).
  int32_t steps(int32_t n, std::initializer_list<int32_t> keys = {}, int32_t demo = 0) {
    int32_t shots = 0;
    for (int32_t i = 0; i < n; ++i) shots += fired(keys, demo);
    return shots;
  }
  bool fired(std::initializer_list<int32_t> keys = {}, int32_t demo = 0) {
    double before = Game.difficulty;
    step(keys, demo);
    return Game.difficulty - before > 0.0004;
  }

  // Effects started by the last step, in order.
  static std::vector<int32_t> sounds() {
    std::vector<int32_t> out;
    for (int32_t i = 0; i < TheAudioLog.count; ++i) {
      const AudioLogEntry& e = audioLogEntry(i);
      if (e.event == AudioEvent::EffectStarted) out.push_back(e.value);
    }
    return out;
  }
  static int32_t cuts() {
    int32_t n = 0;
    for (int32_t i = 0; i < TheAudioLog.count; ++i) {
      n += audioLogEntry(i).event == AudioEvent::ChannelCut;
    }
    return n;
  }
  // Keeps all eight channels playing.
  static void fillChannels() {
    forgetSoundsAsked();
    for (int32_t i = 0; i < MixChannels; ++i) playEffect(3);
  }

  // The texture slot of the one sprite the last step queued, or -1 when none was.
  static int32_t queuedSlot() {
    return DrawQueue.count == 1 ? DrawQueue.items[0].image - NameBase : -1;
  }
  static const DrawItem& queued() { return DrawQueue.items[0]; }

  // A cleared screen seen from the resting camera, for what a step draws at once.
  static void clearView() {
    clearScreen();
    placeCamera(240.0);
  }
  // The screen pixel of a world point seen from there.
  static Pixel pixelAt(double x, double y, double z) {
    return readPixel(int(320.0 + x * 240.0 / z), int(240.0 + (y - 240.0) * 240.0 / z));
  }
  // Still the clear colour (the top-left corner never gets drawn on).
  static bool blank(Pixel p) {
    Pixel c = readPixel(0, 0);
    return p.r == c.r && p.g == c.g && p.b == c.b;
  }
};
