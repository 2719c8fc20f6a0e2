#include "tools/headless/replay_run.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "actors/stage_file.h"
#include "shell/file_system.h"
#include "shell/replay_answers.h"
#include "shell/session_replay.h"
#include "shell/state_digest.h"

namespace fs = std::filesystem;

namespace {
void outOfSync(ReplayRun& run, int32_t frame) {
  if (run.outOfSyncAt < 0 || frame < run.outOfSyncAt) run.outOfSyncAt = frame;
}
}  // namespace

bool readReplayFile(const std::string& path, Replay& replay, ReplayProblem& problem,
                    std::string& why) {
  problem = ReplayProblem::None;
  std::error_code ec;
  std::ifstream in;
  if (!fs::is_directory(path, ec)) in.open(path, std::ios::binary);
  std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!in.is_open() || in.bad()) {
    why = "cannot be read";
    return false;
  }
  problem = parseReplay(bytes.data(), bytes.size(), replay, why);
  return problem == ReplayProblem::None;
}

bool openReplayRun(const std::string& play, const std::string& record, ReplayRun& run,
                   std::string& error) {
  std::error_code ec;
  if (!record.empty()) run.recordPath = fs::absolute(record, ec).string();
  if (play.empty()) return true;
  run.playPath = play;
  ReplayProblem problem = ReplayProblem::None;
  std::string why;
  if (readReplayFile(play, run.replay, problem, why)) return true;
  error = problem == ReplayProblem::None ? "cannot read the replay " + play : play + " is " + why;
  return false;
}

bool enterReplayRun(ReplayRun& run, std::string& error) {
  run.recording = !run.recordPath.empty() || run.endsAsGame;
  if (run.recording) beginSessionRecording();
  if (run.replay.digestEvery == 0) return true;
  const uint8_t* image = run.replay.facts.preferences;
  if (saveWholeFile(PreferencesPath, image, PreferencesSize) != SaveOutcome::Saved) {
    error = "cannot write the replay's preferences into the run folder";
    return false;
  }
  run.player = std::make_unique<ReplayPlayer>(run.replay);
  setAnswerPlayer(run.player.get());
  // A run recorded without a sound device had no effects: neither has its playback.
  if (run.replay.facts.effectsLoaded == 0) setenv("SDL_AUDIODRIVER", "none", 1);
  return true;
}

bool startReplayRun(ReplayRun& run, std::string& error) {
  run.facts = currentReplayFacts();
  if (run.recording) takeSessionFacts();
  if (run.player && run.facts.stageDigest != run.replay.facts.stageDigest) {
    error = run.playPath + " was recorded with other stage data than this run's (" +
            std::string(StageFilePath) + " or the built-in stages)";
    return false;
  }
  if (!run.player) return true;
  if (run.facts.effectsLoaded != run.replay.facts.effectsLoaded) {
    error = run.playPath + " was recorded with other sound effects loaded than this run's";
    return false;
  }
  for (int32_t e = 0; e < EffectCount; ++e) setEffectPlayingMs(e, run.replay.facts.effectMs[e]);
  return true;
}

void closeReplayFrame(ReplayRun& run, int32_t frame) {
  if (run.recording) closeSessionFrame();
  if (!run.player) return;
  run.player->endFrame();
  if (run.player->divergedAt() >= 0) outOfSync(run, run.player->divergedAt());
  int32_t every = run.replay.digestEvery;
  if (frame < 0 || (frame + 1) % every != 0) return;
  size_t stored = size_t((frame + 1) / every - 1);
  if (stored < run.replay.digests.size() && playDigest() != run.replay.digests[stored]) {
    outOfSync(run, frame);
  }
}

bool finishReplayRun(ReplayRun& run, int32_t framesRun, std::string& error) {
  // A playback that ended before the recording did (the game quit) left it there.
  int32_t last = std::max(framesRun - 1, 0);
  if (run.player && (framesRun < run.replay.frameCount || playDigest() != run.replay.finalDigest)) {
    outOfSync(run, last);
  }
  setAnswerPlayer(nullptr);
  setAnswerRecorder(nullptr);
  if (run.endsAsGame) saveSessionEnd();
  const char* reason = "";
  if (!run.recordPath.empty() && !writeSessionReplay(run.recordPath.c_str(), reason)) {
    error = "cannot write the recording " + run.recordPath + ": " + reason;
    return false;
  }
  return true;
}

int32_t playbackEnd(int32_t outOfSyncAt, bool cutShort, int32_t framesRun, std::string& line) {
  if (outOfSyncAt >= 0) {
    line = "replay out of sync at frame " + std::to_string(outOfSyncAt);
    return 3;
  }
  if (cutShort) {
    line = "replay cut short: its recording stopped after frame " + std::to_string(framesRun - 1) +
           ", in sync up to there";
    return 1;
  }
  line = "replay in sync";
  return 0;
}
