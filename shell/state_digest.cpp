#include "shell/state_digest.h"

#include <bit>
#include <cstddef>
#include <vector>

#include "actors/actor_table.h"
#include "actors/stage_file.h"
#include "actors/stage_sequence.h"
#include "game/effects.h"
#include "game/game_state.h"
#include "game/player.h"
#include "game/shots.h"
#include "screens/ranking.h"
#include "shell/audio.h"
#include "shell/fnv_hash.h"
#include "shell/frame_step.h"
#include "shell/preferences.h"

namespace {
struct Digest {
  uint64_t h = FnvBasis;
  void bytes(uint64_t v, int n) {
    for (int i = 0; i < n; ++i, v >>= 8) h = fnvByte(h, uint8_t(v));
  }
};

void add(Digest& d, int32_t v) { d.bytes(uint32_t(v), 4); }
void add(Digest& d, double v) { d.bytes(std::bit_cast<uint64_t>(v), 8); }
template <class T, size_t N>
void add(Digest& d, const T (&table)[N]) {
  for (const T& row : table) add(d, row);
}

void add(Digest& d, const FrameLoopState& s, bool drawingCounts) {
  add(d, drawingCounts ? s.currentMode : s.currentMode & ~SkippedFrameBit);
  add(d, s.modeFrameCounter);
  add(d, s.frameCounter);
  add(d, s.lastFrameTick);
}

void add(Digest& d, const GameState& g) {
  add(d, g.stage);
  add(d, g.stageClock);
  add(d, g.lastClock);
  add(d, g.lives);
  add(d, g.score);
  add(d, g.difficulty);
  add(d, g.level);
  add(d, g.fadeLevel);
  add(d, g.backdropScroll);
  add(d, g.sideScroll);
  add(d, g.depthScroll);
  add(d, g.tunnelCeiling);
  add(d, g.lockList);
  add(d, g.lockCount);
  add(d, g.lockNext);
  add(d, g.playerStateCopy);
  add(d, g.positionHistory);
}

void add(Digest& d, const FocusPoint& p) {
  add(d, p.x);
  add(d, p.y);
}

void add(Digest& d, const Player& p) {
  add(d, p.state);
  add(d, p.counter);
  add(d, p.event);
  add(d, p.pos);
}

void add(Digest& d, const Shot& s) {
  add(d, s.state);
  add(d, s.age);
  add(d, s.target);
  add(d, s.pos);
  add(d, s.vel);
}

void add(Digest& d, const Effect& e) {
  add(d, e.type);
  add(d, e.textureSlot);
  add(d, e.age);
  add(d, e.pos);
  add(d, e.vel);
  add(d, e.size);
}

void add(Digest& d, const Actor& a) {
  add(d, a.type);
  add(d, a.sprite);
  add(d, a.age);
  add(d, a.param);
  add(d, a.link);
  add(d, a.hp);
  add(d, a.lockTimer);
  add(d, a.aux);
  add(d, a.interval);
  add(d, a.lifetime);
  add(d, a.flags);
  add(d, a.pos);
  add(d, a.vel);
  add(d, a.anchor);
  add(d, a.size);
}

void add(Digest& d, const SequenceState& s) {
  add(d, s.nextIndex);
  add(d, s.nextTime);
}

// The one list of the tables a run is judged by.
uint64_t digestOf(bool drawingCounts) {
  Digest d;
  add(d, LoopState, drawingCounts);
  add(d, HighlightedRank);  // hashed where the frame loop's record once held it
  add(d, Game);
  add(d, CameraFocus);
  add(d, CoinCount);
  add(d, ThePlayer);
  add(d, FireTimer);
  add(d, ShotTable);
  add(d, EffectTable);
  add(d, EffectCursor);
  add(d, ActorTable);
  add(d, SpawnCursor);
  add(d, PreviousWalkClock);
  add(d, Sequence);
  add(d, TheAudioLog.total);
  return d.h;
}
}  // namespace

uint64_t stateDigest() { return digestOf(true); }
uint64_t playDigest() { return digestOf(false); }

uint64_t stageDataDigest() {
  std::vector<uint8_t> file(StageFileBytes);
  encodeStageSequence(StageSequence, file.data());
  return fnvBytes(file.data(), file.size());
}
