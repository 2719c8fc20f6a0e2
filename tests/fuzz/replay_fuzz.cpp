// Fuzzes the replay file: the input is loaded as a replay, and one the loader accepts is
// played through the frame step from the title, as the headless runner plays it, for a
// bounded number of frames. A fuzzer can hardly forge the checksum, so an input the loader
// refuses is loaded once more with its last eight bytes made the right checksum: that one
// reaches the checks of the parts and of the frames, and the player.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/game_flow.h"
#include "game/game_state.h"
#include "screens/title.h"
#include "shell/fnv_hash.h"
#include "shell/frame_loop.h"
#include "shell/frame_step.h"
#include "shell/preferences.h"
#include "shell/replay_answers.h"
#include "shell/replay_file.h"
#include "shell/replay_player.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "tests/fuzz/fuzz_support.h"

namespace {
constexpr int32_t MostFrames = 300;

bool load(std::vector<uint8_t>& bytes, Replay& replay) {
  std::string why;
  if (parseReplay(bytes.data(), bytes.size(), replay, why) == ReplayProblem::None) return true;
  if (bytes.size() < 8) return false;
  uint64_t sum = fnvBytes(bytes.data(), bytes.size() - 8);
  for (size_t i = 0; i < 8; ++i) bytes[bytes.size() - 8 + i] = uint8_t(sum >> (8 * i));
  replay = Replay{};
  return parseReplay(bytes.data(), bytes.size(), replay, why) == ReplayProblem::None;
}

// The state start-up leaves, with the replay's preferences.
void startFrom(const Replay& replay) {
  writeWholeFile(PreferencesPath, replay.facts.preferences, PreferencesSize);
  Preferences = LoadedFile{};
  loadOrCreatePreferences();
  applySettings();
  emptyPlayTables();
  resetFrameLoopState();
  resetTitleScreen();
  std::srand(1);
  startNewGame(0);
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  enterFuzzFolder();
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  if (openDisplay() != 0) std::abort();
  std::atexit(shutDownPlatform);  // the GL context goes before the libraries do
  startUp();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> bytes(data, data + size);
  Replay replay;
  if (!load(bytes, replay)) return 0;
  startFrom(replay);
  ReplayPlayer player(replay);
  setAnswerPlayer(&player);
  GameMode r = frameStep(Mode::EnterTitle);
  player.endFrame();
  int32_t frames = std::min(replay.frameCount, MostFrames);
  for (int32_t f = 0; f < frames && (r & ModeNumberMask) != Mode::Quit; ++f) {
    r = frameStep(0);
    player.endFrame();
  }
  setAnswerPlayer(nullptr);
  return 0;
}
