#include "tools/headless/runner.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "actors/actor_table.h"
#include "game/game_state.h"
#include "game/player.h"
#include "render/draw_queue.h"
#include "shell/clock.h"
#include "shell/frame_loop.h"
#include "shell/frame_step.h"
#include "shell/input.h"
#include "shell/preferences.h"
#include "shell/scripted_input.h"
#include "shell/startup.h"
#include "shell/state_digest.h"
#include "tools/headless/audio_tap.h"
#include "tools/headless/png_dump.h"
#include "tools/headless/replay_run.h"
#include "tools/headless/trace.h"

namespace fs = std::filesystem;

namespace {
// The exact clock: time moves only by the loop's sleeps, so every frame lasts 17 ms.
uint32_t ExactMs = 0;
uint32_t exactTicks() { return ExactMs; }
void exactDelay(uint32_t ms) { ExactMs += ms; }

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

double msSince(std::chrono::steady_clock::time_point t) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t).count();
}

// What a run writes besides its result, opened before it moves to its own folder.
struct RunOutputs {
  std::string dumpDir;
  std::FILE* trace = nullptr;
  std::FILE* times = nullptr;
  std::FILE* memory = nullptr;
  int32_t audioSeen = 0;
  ~RunOutputs() {
    if (trace) std::fclose(trace);
    if (times) std::fclose(times);
    if (memory) std::fclose(memory);
  }
};

bool openOutputs(const RunOptions& o, RunOutputs& out, std::string& error) {
  std::error_code ec;
  if (!o.dumpDir.empty()) {
    out.dumpDir = fs::absolute(o.dumpDir, ec).string();
    fs::create_directories(out.dumpDir, ec);
  }
  if (!o.trace.empty() && !(out.trace = std::fopen(o.trace.c_str(), "w"))) {
    error = "cannot write the trace " + o.trace;
    return false;
  }
  if (!o.times.empty() && !(out.times = std::fopen(o.times.c_str(), "w"))) {
    error = "cannot write the frame times " + o.times;
    return false;
  }
  if (!o.memory.empty() && !(out.memory = std::fopen(o.memory.c_str(), "w"))) {
    error = "cannot write the memory figures " + o.memory;
    return false;
  }
  return true;
}

// The process's resident memory in kB (VmRSS), or -1 where /proc does not tell.
long residentKb() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (!status) return -1;
  char line[256];
  long kb = -1;
  while (kb < 0 && std::fgets(line, sizeof line, status)) std::sscanf(line, "VmRSS: %ld", &kb);
  std::fclose(status);
  return kb;
}

bool powerOfTen(int32_t n) {
  while (n >= 10 && n % 10 == 0) n /= 10;
  return n == 1;
}

// After frames 1, 10, 100, ... and after the last: how many frames ran, and the memory.
void writeMemory(std::FILE* out, int32_t framesRun, bool last) {
  if (out && powerOfTen(framesRun) != last) {
    std::fprintf(out, "%d %ld\n", framesRun, residentKb());
  }
}

// The per-frame figures get their room before the first frame, up to a bound, so that
// the runner's own memory stays put while frames run and the memory figures are the game's.
void reserveFrameFigures(RunResult& result, int32_t frames) {
  constexpr int32_t ReservedFrames = 4'000'000;
  for (auto* figures : {&result.frameMs, &result.playStepMs}) {
    figures->assign(size_t(std::min(frames, ReservedFrames)), 0.0);  // touched: resident
    figures->clear();
  }
}

// One line a frame for load figures: frame, wall ms, live actors, items the queue held.
void writeFrameTimes(std::FILE* out, int32_t frame, double ms) {
  int32_t live = 0;
  for (const Actor& a : ActorTable) live += a.type != 0;
  std::fprintf(out, "%d %.3f %d %d\n", frame, ms, live, LastFlushCount);
}

void dumpFrame(const RunOptions& o, const RunOutputs& out, int32_t frame) {
  if (out.dumpDir.empty() || o.dumpEvery < 1 || frame % o.dumpEvery != 0) return;
  char name[32];
  std::snprintf(name, sizeof name, "frame%06d.png", frame);
  dumpScreenPng((fs::path(out.dumpDir) / name).string());
}

// Where the frames begin: the title as the program enters it, or a game.
void enterFirstMode(const RunOptions& o) {
  if (o.startStage >= 0)
    LoopState.currentMode = beginNewGame(o.startStage);
  else if (o.newGame)
    LoopState.currentMode = Mode::NewGame;
  else
    frameStep(Mode::EnterTitle);
}

void postEvents(const RunOptions& o, int32_t frame) {
  // A test aid, not a feature of the game: the hits of the last frame never reach the
  // player, so a scripted flight can see a whole stage through.
  bool hit = ThePlayer.event == PlayerEvent::HitHard || ThePlayer.event == PlayerEvent::HitSoft;
  if (o.keepAlive && hit) ThePlayer.event = PlayerEvent::None;
  for (const PostedEvent& p : o.posts) {
    if (p.frame == frame) ThePlayer.event = p.event;
  }
}

// A test aid too: actors placed by the command line, such as a boss to fight at once.
void placeActors(const RunOptions& o, int32_t frame) {
  for (const PlacedActor& p : o.spawns) {
    if (p.frame != frame) continue;
    const SpawnEntry& e = p.entry;
    spawnActorExt(e.type, e.sprite, e.start, e.aux, e.interval, e.lifetime, e.pos, e.vel, e.anchor);
  }
}

// One pass of the loop, timed, with the exact clock's sleep; answers the frame's mode.
GameMode runFrame(const RunOptions& o, RunOutputs& out, int32_t frame, RunResult& result) {
  if (frame == o.skipUntil && o.skipUntil > 0)
    FrameSkipSetting = o.frameSkip >= 1 ? o.frameSkip : 1;
  postEvents(o, frame);
  placeActors(o, frame);
  LastModeWork = {0, 0.0};
  auto t = std::chrono::steady_clock::now();
  uint32_t t0 = getTicks();
  int32_t stageBefore = Game.stage;
  GameMode r = frameStep(0);
  if (Game.stage != stageBefore) {
    result.stageStarts += " " + std::to_string(Game.stage) + ":" + std::to_string(frame);
  }
  uint32_t t1 = getTicks();
  result.frameMs.push_back(msSince(t));
  if (LastModeWork.mode == Mode::Play) result.playStepMs.push_back(LastModeWork.ms);
  if (out.trace) writeTraceLine(out.trace, frame, r, out.audioSeen);
  if (out.times) writeFrameTimes(out.times, frame, result.frameMs.back());
  dumpFrame(o, out, frame);
  delayMs(frameWait(t0, t1, r));
  return r;
}
}  // namespace

bool enterRunFolder(const std::string& resources, std::string& folder, std::string& error) {
  return enterRunFolder(resources, "", folder, error);
}

bool enterRunFolder(const std::string& resources, const std::string& kept, std::string& folder,
                    std::string& error) {
  char pattern[] = "/tmp/bravin-run-XXXXXX";
  std::error_code ec;
  std::string where = kept;
  if (kept.empty()) {
    if (!mkdtemp(pattern)) {
      error = "cannot make a working folder";
      return false;
    }
    where = folder = pattern;
  } else {
    fs::create_directories(kept, ec);
  }
  fs::path assets = fs::absolute(resources, ec);
  if (!ec) fs::current_path(where, ec);
  if (!ec && fs::exists(assets) && !fs::exists(fs::symlink_status("resources", ec))) {
    fs::create_directory_symlink(assets, "resources", ec);
  }
  if (ec) error = "cannot prepare " + where + ": " + ec.message();
  return !ec;
}

bool runHeadless(const RunOptions& o, RunResult& result, std::string& error) {
  static ScriptedInput script;
  RunOutputs out;
  ReplayRun replay;
  if (!readScript(o.script, script, error) || !openOutputs(o, out, error)) return false;
  if (!openReplayRun(o.replay, o.record, replay, error)) return false;
  if (!enterRunFolder(o.resources, o.folder, result.folder, error)) return false;
  replay.endsAsGame = !o.folder.empty();
  if (!enterReplayRun(replay, error)) return false;
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
  if (!startReplayRun(replay, error)) return false;
  if (o.frameSkip >= 1) FrameSkipSetting = o.frameSkip;
  if (o.skipUntil > 0) FrameSkipSetting = INT32_MAX;
  enterFirstMode(o);
  closeReplayFrame(replay, -1);
  result.startUpMs = msSince(start);
  out.audioSeen = audioLogTotal();
  result.replayed = replay.player != nullptr;
  int32_t frames = result.replayed ? replay.replay.frameCount : o.frames;
  reserveFrameFigures(result, frames);
  GameMode r = LoopState.currentMode;
  for (int32_t frame = 0; frame < frames && (r & ModeNumberMask) != Mode::Quit; ++frame) {
    r = runFrame(o, out, frame, result);
    script.nextFrame();
    closeReplayFrame(replay, frame);
    ++result.framesRun;
    writeMemory(out.memory, result.framesRun, false);
  }
  writeMemory(out.memory, result.framesRun, true);
  result.finalMode = r;
  result.digest = stateDigest();
  result.outOfSyncAt = replay.outOfSyncAt;
  result.cutShort = replay.replay.cutShort;
  return finishReplayRun(replay, result.framesRun, error);
}
