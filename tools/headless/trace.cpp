// The per-frame trace: the tables as JSON lines, only live records listed.
#include "tools/headless/trace.h"

#include <cmath>

#include "actors/actor_table.h"
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

void writeShots(std::FILE* out) {
  std::fputs(",\"sh\":[", out);
  const char* comma = "";
  for (int32_t i = 0; i < ShotCount; ++i) {
    const Shot& s = ShotTable[i];
    if (s.state == ShotState::Free) continue;
    std::fprintf(out, "%s{\"i\":%d", comma, i);
    field(out, "s", s.state);
    field(out, "a", s.age);
    field(out, "t", s.target);
    position(out, s.pos);
    std::fputc('}', out);
    comma = ",";
  }
  std::fputc(']', out);
}

void writeEffects(std::FILE* out) {
  std::fputs(",\"ef\":[", out);
  const char* comma = "";
  for (int32_t i = 0; i < EffectCount; ++i) {
    const Effect& e = EffectTable[i];
    if (e.type == 0) continue;
    std::fprintf(out, "%s{\"i\":%d", comma, i);
    field(out, "t", e.type);
    field(out, "tx", e.textureSlot);
    field(out, "a", e.age);
    position(out, e.pos);
    std::fputc('}', out);
    comma = ",";
  }
  std::fputc(']', out);
}

void writeActors(std::FILE* out) {
  std::fputs(",\"ac\":[", out);
  const char* comma = "";
  for (int32_t i = 0; i < ActorCount; ++i) {
    const Actor& a = ActorTable[i];
    if (a.type == 0) continue;
    std::fprintf(out, "%s{\"i\":%d", comma, i);
    field(out, "t", a.type);
    field(out, "sp", a.sprite);
    field(out, "a", a.age);
    field(out, "pa", a.param);
    field(out, "hp", a.hp);
    field(out, "lt", a.lockTimer);
    field(out, "fl", a.flags);
    position(out, a.pos);
    std::fputc('}', out);
    comma = ",";
  }
  std::fputc(']', out);
}
}  // namespace

void writeTraceLine(std::FILE* out, int32_t frame, GameMode r, int32_t& audioSeen) {
  std::fprintf(out, "{\"f\":%d", frame);
  field(out, "m", r & ModeNumberMask);
  field(out, "sk", (r & SkippedFrameBit) ? 1 : 0);
  writeGame(out);
  writePlayer(out);
  writeShots(out);
  writeEffects(out);
  writeActors(out);
  writeAudioSince(out, audioSeen);
  std::fputs("}\n", out);
}
