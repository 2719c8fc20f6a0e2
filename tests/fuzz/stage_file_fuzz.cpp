// Fuzzes the stage file: the loader reads the input as "resources/stgseq.data", and each
// stage whose bytes differ from the built-in script is then played for a few hundred
// frames, so that every value an entry carries reaches the actors that use it.
//
// Inputs of any length are accepted. One of the file's size is used as it stands; a
// shorter one replaces the start of the built-in script written as a file, so a small
// input is an edit of the first entries; a longer one is handed over as it is (and turned
// away by the loader).
//
// The frames are the cost of a run, so only what the input changed is played: a stage
// whose bytes are the built-in ones is not (the seed corpus and the game's own tests play
// those), and a changed stage starts at its first changed entry, with the clock at that
// entry's time, rather than at frame 0: the entries before it are the built-in ones, and
// from frame 0 the changed entry would rarely come due within the frames played.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "actors/actor_table.h"
#include "actors/builtin_stages.h"
#include "actors/stage_file.h"
#include "game/effects.h"
#include "game/game_flow.h"
#include "game/game_state.h"
#include "game/geometry.h"
#include "game/player.h"
#include "game/shots.h"
#include "render/draw_queue.h"
#include "render/meshes.h"
#include "render/texture_upload.h"
#include "shell/audio.h"
#include "shell/file_buffer.h"
#include "shell/preferences.h"
#include "shell/scripted_input.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/fuzz/stage_bytes.h"

namespace {
constexpr int32_t FramesPerStage = 300;
constexpr int32_t StageBytes = StageEntryCount * StageRecordBytes;
// The clock of the built-in scripts' last entry, which no stage reaches: a changed stage
// starts no later, so an entry timed past it stays out of reach, as in the game.
constexpr int32_t LatestStartClock = 65000;
constexpr uint32_t FakeTextureBase = 1000;

uint8_t BuiltInFile[StageFileBytes];
uint8_t FileBytes[StageFileBytes];
ScriptedInput Pilot;

// Fire held throughout while weaving and dashing, so shots, locks and contact all run.
constexpr const char* PilotScript =
    "40 A UP LEFT\n40 A RIGHT\n30 A DOWN\n20 B\n40 A UP RIGHT\n30 A LEFT\n"
    "20 A DOWN RIGHT\n30 A B\n50 A\n";

// The first entry of the stage whose record differs from the built-in one; -1 when none.
int32_t firstChangedEntry(const uint8_t* file, int32_t stage) {
  const uint8_t* mine = file + stage * StageBytes;
  const uint8_t* theirs = BuiltInFile + stage * StageBytes;
  for (int32_t i = 0; i < StageEntryCount; ++i) {
    int32_t at = i * StageRecordBytes;
    if (std::memcmp(mine + at, theirs + at, StageRecordBytes) != 0) return i;
  }
  return -1;
}

// The stage as the game would play it once its script reached entry `first`.
void playStageFrom(int32_t stage, int32_t first) {
  emptyPlayTables();
  std::srand(1);
  startNewGame(stage);
  int32_t due = StageSequence[stage][first].time;
  Game.stageClock = std::clamp(due, 0, LatestStartClock);
  Game.lastClock = Game.stageClock;
  Sequence = {first, due};
  Pilot.position = 0;
  for (int32_t f = 0; f < FramesPerStage && Game.stageClock >= 0; ++f) {
    playStep();
    drawQueuedScene(-1);
    Pilot.nextFrame();
  }
}

// The input as a file the game would read (see the top of this file).
size_t fileFromInput(const uint8_t* data, size_t size, const uint8_t*& bytes) {
  if (size > size_t(StageFileBytes)) {
    bytes = data;
    return size;
  }
  std::memcpy(FileBytes, data, size);
  std::memcpy(FileBytes + size, BuiltInFile + size, StageFileBytes - size);
  bytes = FileBytes;
  return StageFileBytes;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  enterFuzzFolder();
  encodeBuiltInStages(BuiltInFile);
  std::string error;
  if (!Pilot.parse(PilotScript, error)) std::abort();
  setInputSource(&Pilot);
  // Music would be read from resources/ on every stage start: its commands are still
  // checked, but no track is loaded.
  MusicSwitch = 0;
  for (int32_t n = 0; n < TextureSlotCount; ++n) TextureSlots[n] = FakeTextureBase + n;
  fillSineTables();
  buildMeshes();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const uint8_t* bytes = nullptr;
  size_t length = fileFromInput(data, size, bytes);
  writeWholeFile(StageFilePath, bytes, length);
  useBuiltInSequence();
  if (!loadStageSequence(readWholeFile)) return 0;
  for (int32_t s = 0; s < StageCount; ++s) {
    int32_t first = firstChangedEntry(bytes, s);
    if (first >= 0) playStageFrom(s, first);
  }
  return 0;
}
