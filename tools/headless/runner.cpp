#include "tools/headless/runner.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/game_state.h"
#include "shell/audio.h"
#include "shell/clock.h"
#include "shell/frame_loop.h"
#include "shell/frame_step.h"
#include "shell/input.h"
#include "shell/preferences.h"
#include "shell/scripted_input.h"
#include "shell/startup.h"
#include "tools/headless/png_dump.h"

namespace fs = std::filesystem;

namespace {
// The exact clock: time moves only by the loop's sleeps, so every frame lasts 17 ms.
uint32_t ExactMs = 0;
uint32_t exactTicks() { return ExactMs; }
void exactDelay(uint32_t ms) { ExactMs += ms; }

void mix(uint64_t& h, const void* data, size_t size) {
  const auto* p = static_cast<const unsigned char*>(data);
  for (size_t i = 0; i < size; ++i) h = (h ^ p[i]) * 1099511628211ull;
}

bool readScript(const std::string& path, ScriptedInput& script, std::string& error) {
  if (path.empty()) return true;
  std::ifstream in(path);
  if (!in) {
    error = "cannot read the input script " + path;
    return false;
  }
  std::stringstream text;
  text << in.rdbuf();
  if (!script.parse(text.str(), error)) {
    error = path + ": " + error;
    return false;
  }
  return true;
}

// A fresh folder to run in, with the asset folder linked in, so the player's own
// preferences file is never read or written.
bool enterRunFolder(const std::string& resources, std::string& folder, std::string& error) {
  char pattern[] = "/tmp/bravin-run-XXXXXX";
  if (!mkdtemp(pattern)) {
    error = "cannot make a working folder";
    return false;
  }
  folder = pattern;
  std::error_code ec;
  fs::path assets = fs::absolute(resources, ec);
  fs::current_path(pattern, ec);
  if (!ec && fs::exists(assets)) fs::create_directory_symlink(assets, "resources", ec);
  if (ec) error = "cannot prepare " + std::string(pattern) + ": " + ec.message();
  return !ec;
}

void dumpFrame(const RunOptions& o, int32_t frame) {
  if (o.dumpDir.empty() || o.dumpEvery < 1 || frame % o.dumpEvery != 0) return;
  char name[32];
  std::snprintf(name, sizeof name, "frame%06d.png", frame);
  dumpScreenPng((fs::path(o.dumpDir) / name).string());
}
}  // namespace

uint64_t stateDigest() {
  uint64_t h = 1469598103934665603ull;
  mix(h, &LoopState, sizeof LoopState);
  mix(h, &Game, sizeof Game);
  mix(h, &CameraFocus, sizeof CameraFocus);
  mix(h, &CoinCount, sizeof CoinCount);
  mix(h, &TheAudioLog.total, sizeof TheAudioLog.total);
  return h;
}

bool runHeadless(const RunOptions& o, RunResult& result, std::string& error) {
  static ScriptedInput script;
  if (!readScript(o.script, script, error)) return false;
  std::string dumpDir = o.dumpDir;
  if (!dumpDir.empty()) fs::create_directories(fs::absolute(dumpDir));
  RunOptions options = o;
  if (!dumpDir.empty()) options.dumpDir = fs::absolute(dumpDir).string();
  if (!enterRunFolder(o.resources, result.folder, error)) return false;
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  std::srand(o.seed);
  setInputSource(&script);
  if (!o.realClock) setClockSource({exactTicks, exactDelay});
  auto start = std::chrono::steady_clock::now();
  if (openDisplay() != 0) {
    error = "cannot open the offscreen display";
    return false;
  }
  startUp();
  frameStep(Mode::EnterTitle);
  result.startUpMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  GameMode r = LoopState.currentMode;
  for (int32_t frame = 0; frame < o.frames && (r & ModeNumberMask) != Mode::Quit; ++frame) {
    auto t = std::chrono::steady_clock::now();
    uint32_t t0 = getTicks();
    r = frameStep(0);
    uint32_t t1 = getTicks();
    result.frameMs.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t).count());
    dumpFrame(options, frame);
    delayMs(frameWait(t0, t1, r));
    script.nextFrame();
    ++result.framesRun;
  }
  result.finalMode = r;
  result.digest = stateDigest();
  return true;
}
