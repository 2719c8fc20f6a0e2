#include "shell/session_replay.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>

#include "game/game_state.h"
#include "shell/audio.h"
#include "shell/file_system.h"
#include "shell/replay_answers.h"
#include "shell/state_digest.h"

namespace {
std::unique_ptr<ReplayRecorder> Session;
ReplayFacts SessionFacts;

int32_t gameScore() { return Game.score; }

// Words of the preferences image, little-endian as the file keeps them.
void putWord(uint8_t* image, int32_t offset, int32_t value) {
  for (int i = 0; i < 4; ++i) image[offset + i] = uint8_t(uint32_t(value) >> (8 * i));
}
}  // namespace

ReplayFacts currentReplayFacts() {
  ReplayFacts f;
  setGameVersion(f.gameVersion);
  f.recordedAt = int64_t(std::time(nullptr));
  f.stageDigest = stageDataDigest();
  size_t held = std::min(Preferences.data.size(), size_t(PreferencesSize));
  std::memcpy(f.preferences, Preferences.data.data(), held);
  putWord(f.preferences, PrefOffset::Coins, CoinCount);
  putWord(f.preferences, PrefOffset::Integrity,
          integrityOf() ^ prefWord(PrefOffset::Coins) ^ CoinCount);
  for (int32_t e = 0; e < EffectCount; ++e) {
    if (effectLoaded(e)) f.effectsLoaded |= 1u << e;
    f.effectMs[e] = effectPlayingMs(e);
  }
  return f;
}

ReplayRecorder makeSessionRecorder() {
  return ReplayRecorder(SessionReplayBytes, SessionReplayDigests, {playDigest, gameScore});
}

void beginSessionRecording() {
  Session = std::make_unique<ReplayRecorder>(makeSessionRecorder());
  setAnswerRecorder(Session.get());
}

void takeSessionFacts() { SessionFacts = currentReplayFacts(); }

void closeSessionFrame() {
  if (Session) Session->endFrame();
}

bool writeSessionReplay(const char* path, const char*& reason) {
  if (!Session) {
    reason = "nothing was recorded";
    return false;
  }
  std::vector<uint8_t> bytes = encodeReplay(SessionFacts, *Session, Session->mark());
  std::error_code ec;
  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, ec);
  switch (saveWholeFile(path, bytes.data(), bytes.size())) {
    case SaveOutcome::Saved: return true;
    case SaveOutcome::OpenFailed: reason = "it cannot be written there"; return false;
    case SaveOutcome::WriteFailed: reason = "writing it failed"; return false;
  }
  return false;
}

void saveSessionReplay() {
  const char* reason = "";
  if (!writeSessionReplay(SessionReplayPath, reason)) {
    std::printf("Replay not saved: %s: %s.\n", SessionReplayPath, reason);
  }
}
