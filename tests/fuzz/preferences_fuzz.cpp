// Fuzzes the preferences file: the input is "bravin.pref" as the game finds it at start.
// It is loaded, its settings applied and its key map read through the game's own SDL
// input source, a score is entered in its ranking, and the record is saved back. A load
// of the saved file must then give the same coins and key map: a save never loses them.
#include <cstdlib>
#include <cstring>

#include "game/game_state.h"
#include "game/geometry.h"
#include "screens/ranking.h"
#include "shell/frame_step.h"
#include "shell/input.h"
#include "shell/preferences.h"
#include "shell/settings.h"
#include "tests/fuzz/fuzz_support.h"

namespace {
struct Kept {
  int32_t coins;
  int32_t keys[KeyMapSize];
};

Kept keptNow() {
  Kept k{CoinCount, {}};
  std::memcpy(k.keys, ActiveKeyMap, sizeof k.keys);
  return k;
}

void loadFresh() {
  Preferences = LoadedFile{};
  CoinCount = 0;
  loadOrCreatePreferences();
}

// What the settings steer during a run: the frame-skip rule on time and late frames, the
// inputs through the loaded key map, the ranking's texts.
void useSettings() {
  for (int32_t frame = 0; frame < 4; ++frame) {
    frameSkipped(frame, 0, FrameSkipSetting, frame);
    frameSkipped(frame + 5, 0, FrameSkipSetting, frame);
  }
  int32_t vertical = 0, horizontal = 0;
  readDirection(vertical, horizontal);
  buttonAHeld();
  buttonBHeld();
  startHeld();
  char text[RankTextSize + 1];
  for (int32_t entry = 0; entry < RankEntries; ++entry) copyRankText(entry, text);
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  enterFuzzFolder();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  writeWholeFile(PreferencesPath, data, size);
  loadFresh();
  applySettings();
  useSettings();
  insertScore(rankScore(RankedEntries / 2));
  CoinCount = saturatingAdd(CoinCount, 1);  // a coin picked up during the run
  // A file that could not be read is never written over (its record has no path).
  bool written = Preferences.path[0] != '\0';
  savePreferences();
  if (!written) return 0;
  Kept before = keptNow();
  loadFresh();
  Kept after = keptNow();
  if (std::memcmp(&before, &after, sizeof before) != 0) std::abort();
  return 0;
}
