#include "tests/fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "game/game_flow.h"
#include "game/game_state.h"
#include "game/player.h"
#include "render/draw_queue.h"
#include "shell/audio.h"
#include "shell/preferences.h"

namespace fs = std::filesystem;

namespace {
// In memory where the system has such a folder: the save's flush to disk would otherwise
// cost more than the rest of a run.
char Folder[] = "/dev/shm/bravin-fuzz-XXXXXX";
char DiskFolder[] = "/tmp/bravin-fuzz-XXXXXX";
char* Made = nullptr;

void removeFolder() {
  std::error_code ignored;
  fs::remove_all(Made, ignored);
}
}  // namespace

void enterFuzzFolder() {
  Made = mkdtemp(Folder);
  if (!Made) Made = mkdtemp(DiskFolder);
  if (!Made) {
    std::perror("mkdtemp");
    std::exit(1);
  }
  std::atexit(removeFolder);
  fs::current_path(Made);
  fs::create_directory("resources");
  if (!std::freopen("/dev/null", "w", stdout)) std::exit(1);
}

void writeWholeFile(const char* path, const uint8_t* data, size_t size) {
  std::FILE* f = std::fopen(path, "wb");
  if (!f) std::abort();
  if (size > 0 && std::fwrite(data, size, 1, f) != 1) std::abort();
  std::fclose(f);
}

void emptyPlayTables() {
  Game = GameState{};
  ThePlayer = Player{};
  resetPlayTables(TableReset::Zero);
  drawQueuedScene(-1);
  clearAudioLog();
  CoinCount = 1;
}
