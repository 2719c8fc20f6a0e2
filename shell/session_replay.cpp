#include "shell/session_replay.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "game/game_state.h"
#include "shell/audio.h"
#include "shell/file_system.h"
#include "shell/rank_replays.h"
#include "shell/replay_answers.h"
#include "shell/state_digest.h"

namespace {
std::unique_ptr<ReplayRecorder> Session;
ReplayFacts SessionFacts;
RankReplayPlan RankPlan;
int32_t RankedThisFrame = -1;

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
  if (!Session) return;
  Session->endFrame();
  if (RankedThisFrame >= 0) RankPlan.ranked(RankedThisFrame, Session->mark());
  RankedThisFrame = -1;
}

void noteRankedGame(int32_t entry) {
  if (Session) RankedThisFrame = entry;
}

namespace {
void printNotSaved(const std::string& path, const char* reason) {
  std::printf("Replay not saved: %s: %s.\n", path.c_str(), reason);
}

bool writeReplayBytes(const char* path, const std::vector<uint8_t>& bytes, const char*& reason) {
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

// The replay an entry is to have at the end, empty for none: a mark of this session, or
// the file another entry had at the start, read now. Either must end on the entry's
// score, so that a file the ranking never made (a stale one) moves with no entry.
std::vector<uint8_t> rankReplayBytes(int32_t entry) {
  const RankReplaySource& s = RankPlan.source(entry);
  if (s.kind == RankReplaySource::Mark) {
    if (s.mark.score != rankScore(entry)) return {};
    return encodeReplay(SessionFacts, *Session, s.mark);
  }
  if (s.kind != RankReplaySource::OldFile) return {};
  std::ifstream in(rankReplayPath(s.oldEntry), std::ios::binary);
  std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  Replay replay;
  std::string why;
  bool fits = parseReplay(bytes.data(), bytes.size(), replay, why) == ReplayProblem::None &&
              !replay.cutShort && replay.finalScore == rankScore(entry);
  return fits ? bytes : std::vector<uint8_t>{};
}

// The ranking's replays follow bravin.pref: (1) the replays of the entries that change
// are made, the old files that move read, before anything is touched; (2) the files of
// those entries are removed; (3) bravin.pref is saved; (4) each changed entry with a
// replay has it written (temporary file, rename). A kill before (3) leaves the old
// ranking with some of its replays, after it the new one with some of its own.
void saveRankingAndReplays() {
  std::vector<uint8_t> bytes[RankReplayEntries];
  bool any = false;
  for (int32_t j = 0; j < RankReplayEntries; ++j) {
    if (!Session || !RankPlan.changed(j)) continue;
    bytes[j] = rankReplayBytes(j);
    any = true;
  }
  // A bravin.pref that cannot be saved keeps the old ranking on the disk: its replays stay.
  if (!any || !Preferences.path[0] ||
      trySave(Preferences.path, size_t(Preferences.length)) != SaveOutcome::Saved) {
    savePreferences();
    return;
  }
  for (int32_t j = 0; j < RankReplayEntries; ++j) {
    std::string path = rankReplayPath(j);
    if (RankPlan.changed(j) && std::remove(path.c_str()) != 0 && errno != ENOENT) {
      printNotSaved(path, "the old one cannot be removed");
    }
  }
  if (!savePreferences()) return;
  for (int32_t j = 0; j < RankReplayEntries; ++j) {
    if (!RankPlan.changed(j) || bytes[j].empty()) continue;
    std::string path = rankReplayPath(j);
    const char* reason = "";
    if (!writeReplayBytes(path.c_str(), bytes[j], reason)) printNotSaved(path, reason);
  }
}
}  // namespace

std::string rankReplayPath(int32_t entry) {
  return std::string(ReplayFolder) + "/rank-" + std::to_string(entry) + ".bravin-replay";
}

bool writeSessionReplay(const char* path, const char*& reason) {
  if (!Session) {
    reason = "nothing was recorded";
    return false;
  }
  return writeReplayBytes(path, encodeReplay(SessionFacts, *Session, Session->mark()), reason);
}

void saveSessionReplay() {
  const char* reason = "";
  if (!writeSessionReplay(SessionReplayPath, reason)) printNotSaved(SessionReplayPath, reason);
}

void saveSessionEnd() {
  saveRankingAndReplays();
  saveSessionReplay();
}
