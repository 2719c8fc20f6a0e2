// The per-frame trace: the tables as JSON lines, only live records listed.
#include "tools/headless/trace.h"

#include <cmath>
#include <cstddef>

#include "actors/actor_table.h"
#include "actors/stage_sequence.h"
#include "game/effects.h"
#include "game/game_state.h"
#include "game/player.h"
#include "game/shots.h"
#include "shell/preferences.h"
#include "tools/headless/audio_tap.h"

namespace {
// Every field after the first of an object is written with its leading comma.
void field(std::FILE* out, const char* key, int32_t v) { std::fprintf(out, ",\"%s\":%d", key, v); }

// Exact doubles (17 significant digits read back bit for bit); JSON has no NaN or
// infinity, so those are null.
void field(std::FILE* out, const char* key, double v) {
  if (std::isfinite(v))
    std::fprintf(out, ",\"%s\":%.17g", key, v);
  else
    std::fprintf(out, ",\"%s\":null", key);
}

void position(std::FILE* out, const double* pos) {
  field(out, "x", pos[0]);
  field(out, "y", pos[1]);
  field(out, "z", pos[2]);
}

void writeGame(std::FILE* out) {
  const GameState& g = Game;
  field(out, "stg", g.stage);
  field(out, "clk", g.stageClock);
  field(out, "lives", g.lives);
  field(out, "coins", CoinCount);
  field(out, "score", g.score);
  field(out, "dif", g.difficulty);
  field(out, "lvl", g.level);
  field(out, "fade", g.fadeLevel);
  field(out, "bs", g.backdropScroll);
  field(out, "ss", g.sideScroll);
  field(out, "ds", g.depthScroll);
  field(out, "ceil", g.tunnelCeiling);
}

void writePlayer(std::FILE* out) {
  const Player& p = ThePlayer;
  std::fprintf(out, ",\"p\":{\"s\":%d", p.state);
  field(out, "c", p.counter);
  field(out, "e", p.event);
  position(out, p.pos);
  std::fprintf(out, "},\"ft\":%d,\"lk\":{\"n\":%d,\"nx\":%d,\"sl\":[%d,%d,%d,%d]}", FireTimer,
               Game.lockCount, Game.lockNext, Game.lockList[0], Game.lockList[1], Game.lockList[2],
               Game.lockList[3]);
}

bool live(const Shot& s) { return s.state != ShotState::Free; }
bool live(const Effect& e) { return e.type != 0; }
bool live(const Actor& a) { return a.type != 0; }

void fields(std::FILE* out, const Shot& s) {
  field(out, "s", s.state);
  field(out, "a", s.age);
  field(out, "t", s.target);
}

void fields(std::FILE* out, const Effect& e) {
  field(out, "t", e.type);
  field(out, "tx", e.textureSlot);
  field(out, "a", e.age);
}

void fields(std::FILE* out, const Actor& a) {
  field(out, "t", a.type);
  field(out, "sp", a.sprite);
  field(out, "a", a.age);
  field(out, "pa", a.param);
  field(out, "hp", a.hp);
  field(out, "lt", a.lockTimer);
  field(out, "fl", a.flags);
}

// ,"key":[...] with the live records of a table, each with its slot first, its position last.
template <class T, size_t N>
void writeLive(std::FILE* out, const char* key, const T (&table)[N]) {
  std::fprintf(out, ",\"%s\":[", key);
  const char* comma = "";
  for (size_t i = 0; i < N; ++i) {
    if (!live(table[i])) continue;
    std::fprintf(out, "%s{\"i\":%zu", comma, i);
    fields(out, table[i]);
    position(out, table[i].pos);
    std::fputc('}', out);
    comma = ",";
  }
  std::fputc(']', out);
}

// Where the stage script has got to: the next entry and the clock it waits for.
void writeSequence(std::FILE* out) {
  std::fprintf(out, ",\"sq\":{\"n\":%d", Sequence.nextIndex);
  field(out, "t", Sequence.nextTime);
  std::fputc('}', out);
}
}  // namespace

void writeTraceLine(std::FILE* out, int32_t frame, GameMode r, int32_t& audioSeen) {
  std::fprintf(out, "{\"f\":%d", frame);
  field(out, "m", r & ModeNumberMask);
  field(out, "sk", (r & SkippedFrameBit) ? 1 : 0);
  writeGame(out);
  writePlayer(out);
  writeLive(out, "sh", ShotTable);
  writeLive(out, "ef", EffectTable);
  writeLive(out, "ac", ActorTable);
  writeSequence(out);
  writeAudioSince(out, audioSeen);
  std::fputs("}\n", out);
}
