// Runs the game's real frame step headless for N frames from a scripted input file, on
// the offscreen OpenGL context, and prints a digest of the game state and timing figures.
#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>

#include "game/game_state.h"
#include "shell/frame_loop.h"
#include "tools/headless/replay_run.h"
#include "tools/headless/runner.h"

namespace {
void usage() {
  std::fprintf(stderr,
               "usage: bravin-headless [--frames N] [--script FILE] [--resources DIR]\n"
               "                       [--dump DIR] [--dump-every K] [--seed S] [--real-clock]\n"
               "                       [--start-stage S | --new-game] [--trace FILE]\n"
               "                       [--post FRAME:EVENT]... [--keep-alive] [--times FILE]\n"
               "                       [--frame-skip N] [--skip-until FRAME]\n"
               "                       [--spawn FRAME:TYPE,SPRITE,START,X,Y,Z[,...]]...\n"
               "                       [--memory FILE] [--record FILE] [--folder DIR]\n"
               "       bravin-headless --replay FILE [--trace FILE] [--times FILE] [--dump DIR]\n"
               "                       [--dump-every K] [--frame-skip N] [--memory FILE]\n"
               "                       [--resources DIR] [--real-clock] [--record FILE]\n"
               "--start-stage S begins a game at stage S (0 to 7) without the title;\n"
               "--new-game begins in NewGame, which reads the 4 key on the first frame;\n"
               "--post writes a player event before a frame, as an actor would;\n"
               "--spawn places an actor before a frame as a spawn entry would, the values\n"
               "  in this order (missing ones 0): TYPE SPRITE START X Y Z VX VY VZ AX AY AZ\n"
               "  AUX INTERVAL LIFETIME;\n"
               "--frame-skip N sets the game's frame-skip setting (from 2 up, one frame in N - 1\n"
               "  drawn);\n"
               "--skip-until FRAME leaves the frames before FRAME undrawn, to reach a late moment\n"
               "  quickly; from FRAME on the frame-skip setting holds;\n"
               "--keep-alive drops the hits posted to the player (a test aid);\n"
               "--times FILE writes frame, ms, live actors and queued items per frame;\n"
               "--memory FILE writes the frames run and the resident memory (kB) after\n"
               "  frames 1, 10, 100, ... and after the last;\n"
               "--record FILE writes the run's recording as a replay (not with the test aids);\n"
               "--folder DIR runs in DIR and keeps it, ending as the game does: bravin.pref\n"
               "  saved with the ranking's replays and the session's in DIR/replays (not with\n"
               "  the test aids or --replay);\n"
               "--replay FILE plays a replay through the frame step and says whether it stays\n"
               "  in sync (exit status 0 in sync, 3 out of sync, 1 a file it cannot play).\n"
               "Script lines: COUNT INPUT... (UP DOWN LEFT RIGHT A B START ESC KEY4 key:N\n"
               "axis0:N axis1:N button:N), one line per run of frames.\n");
}

// A whole decimal number within [low, high]; anything else is refused.
template <class T>
bool parseInt(const char* text, long long low, long long high, T& value) {
  char* end = nullptr;
  errno = 0;
  long long v = std::strtoll(text, &end, 10);
  if (end == text || *end != '\0' || errno != 0 || v < low || v > high) return false;
  value = T(v);
  return true;
}

bool parsePost(const std::string& text, PostedEvent& p) {
  size_t colon = text.find(':');
  if (colon == std::string::npos) return false;
  return parseInt(text.substr(0, colon).c_str(), 0, INT32_MAX, p.frame) &&
         parseInt(text.substr(colon + 1).c_str(), INT32_MIN, INT32_MAX, p.event);
}

// One number of a comma-separated list; whole numbers may be written in hex (0x10001).
bool parseField(const std::string& text, bool whole, double& value) {
  char* end = nullptr;
  errno = 0;
  value = whole ? double(std::strtoll(text.c_str(), &end, 0)) : std::strtod(text.c_str(), &end);
  bool inRange = !whole || (value >= INT32_MIN && value <= INT32_MAX);
  return !text.empty() && *end == '\0' && errno == 0 && inRange && std::isfinite(value);
}

// FRAME:TYPE,SPRITE,START,X,Y,Z[,VX,VY,VZ[,AX,AY,AZ[,AUX,INTERVAL,LIFETIME]]]
bool parseSpawn(const std::string& text, PlacedActor& p) {
  size_t colon = text.find(':');
  if (colon == std::string::npos) return false;
  if (!parseInt(text.substr(0, colon).c_str(), 0, INT32_MAX, p.frame)) return false;
  constexpr int32_t FieldCount = 15, LeastFields = 6;
  double v[FieldCount] = {};
  std::stringstream fields(text.substr(colon + 1));
  std::string field;
  int32_t n = 0;
  for (; std::getline(fields, field, ','); ++n) {
    bool whole = n < 3 || n >= 12;
    if (n >= FieldCount || !parseField(field, whole, v[n])) return false;
  }
  if (n < LeastFields) return false;
  SpawnEntry& e = p.entry;
  e = SpawnEntry{0,
                 int32_t(v[0]),
                 int32_t(v[1]),
                 int32_t(v[2]),
                 {v[3], v[4], v[5]},
                 {v[6], v[7], v[8]},
                 {v[9], v[10], v[11]},
                 int32_t(v[12]),
                 int32_t(v[13]),
                 int32_t(v[14])};
  return true;
}

// The options that take a file or folder name.
std::string* textOption(const std::string& a, RunOptions& o) {
  if (a == "--script") return &o.script;
  if (a == "--resources") return &o.resources;
  if (a == "--dump") return &o.dumpDir;
  if (a == "--trace") return &o.trace;
  if (a == "--times") return &o.times;
  if (a == "--memory") return &o.memory;
  if (a == "--replay") return &o.replay;
  if (a == "--record") return &o.record;
  if (a == "--folder") return &o.folder;
  return nullptr;
}

// One option with its value; false when the option or its value is not understood.
bool parseOption(const std::string& a, const char* value, RunOptions& o) {
  if (std::string* text = textOption(a, o)) {
    *text = value;
    return true;
  }
  if (a == "--frames") return parseInt(value, 0, INT32_MAX, o.frames);
  if (a == "--dump-every") return parseInt(value, 1, INT32_MAX, o.dumpEvery);
  if (a == "--start-stage") return parseInt(value, 0, StageCount - 1, o.startStage);
  if (a == "--frame-skip") return parseInt(value, 1, INT32_MAX, o.frameSkip);
  if (a == "--skip-until") return parseInt(value, 1, INT32_MAX, o.skipUntil);
  if (a == "--seed") return parseInt(value, 0, UINT32_MAX, o.seed);
  PostedEvent p{};
  if (a == "--post" && parsePost(value, p)) {
    o.posts.push_back(p);
    return true;
  }
  PlacedActor placed{};
  if (a == "--spawn" && parseSpawn(value, placed)) {
    o.spawns.push_back(placed);
    return true;
  }
  return false;
}

// What changes the run past the answers of the input, the clock and the calendar, which
// a recording holds: a replay is played, and a run recorded, without these.
bool testAid(const RunOptions& o) {
  return o.startStage >= 0 || o.newGame || !o.posts.empty() || !o.spawns.empty() || o.keepAlive ||
         o.seed != 1;
}

// A replay holds its own input and length: no script, frame count or test aid with it.
bool replayFits(const RunOptions& o, int argc, char** argv) {
  if ((!o.record.empty() || !o.folder.empty()) && testAid(o)) return false;
  if (o.replay.empty()) return true;
  if (!o.folder.empty()) return false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--frames") == 0 || std::strcmp(argv[i], "--script") == 0) {
      return false;
    }
  }
  return !testAid(o);
}

bool parseArgs(int argc, char** argv, RunOptions& o) {
  o.resources = "resources";
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--real-clock")
      o.realClock = true;
    else if (a == "--new-game")
      o.newGame = true;
    else if (a == "--keep-alive")
      o.keepAlive = true;
    else if (i + 1 >= argc || !parseOption(a, argv[++i], o))
      return false;
  }
  return !(o.newGame && o.startStage >= 0) && replayFits(o, argc, argv);
}

double percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5))];
}

void printTimes(const RunResult& result) {
  const auto& ms = result.frameMs;
  double sum = 0;
  for (double m : ms) sum += m;
  std::printf("startup_ms %.1f\n", result.startUpMs);
  std::printf("frame_ms median %.3f p95 %.3f max %.3f mean %.3f p99 %.3f\n", percentile(ms, 0.5),
              percentile(ms, 0.95), ms.empty() ? 0.0 : *std::max_element(ms.begin(), ms.end()),
              ms.empty() ? 0.0 : sum / double(ms.size()), percentile(ms, 0.99));
  const auto& play = result.playStepMs;
  std::printf("play_step_ms median %.3f p99 %.3f frames %zu\n", percentile(play, 0.5),
              percentile(play, 0.99), play.size());
}
}  // namespace

int main(int argc, char** argv) {
  RunOptions options;
  if (!parseArgs(argc, argv, options)) {
    usage();
    return 64;
  }
  RunResult result;
  std::string error;
  bool ran = runHeadless(options, result, error);
  shutDownPlatform();
  std::error_code ignored;
  if (!result.folder.empty()) std::filesystem::remove_all(result.folder, ignored);
  if (!ran) {
    std::fprintf(stderr, "bravin-headless: %s\n", error.c_str());
    return 1;
  }
  std::printf("frames %d\nmode %d\ndigest %016" PRIx64 "\n", result.framesRun,
              result.finalMode & 0xFF, result.digest);
  std::printf("stage %d clock %d\n", Game.stage, Game.stageClock);
  std::printf("score %d lives %d\n", Game.score, Game.lives);
  std::printf("difficulty %.4f level %d\n", Game.difficulty, Game.level);
  std::printf("stage_starts%s\n",
              result.stageStarts.empty() ? " none" : result.stageStarts.c_str());
  printTimes(result);
  if (!result.replayed) return 0;
  std::string line;
  int status = playbackEnd(result.outOfSyncAt, result.cutShort, result.framesRun, line);
  std::printf("%s\n", line.c_str());
  return status;
}
