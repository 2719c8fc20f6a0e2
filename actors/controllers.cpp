// The stage controllers: invisible kind-2 actors placed by the stage script. Emitters
// release waves of enemies, the serpent layout lays out the serpent, and the others lower
// the tunnel ceiling, cue sounds and music, post player events and end the stage. Every
// word they carry came from the stage file, so each is checked before it indexes, divides
// or becomes an integer.

#include <cstdint>

#include "actors/actor_info.h"
#include "actors/actor_table.h"
#include "actors/controller.h"
#include "actors/kind_updates.h"
#include "actors/stage_sequence.h"
#include "game/actor_type.h"
#include "game/game_state.h"
#include "game/geometry.h"
#include "game/player.h"
#include "game/sound_effects.h"
#include "render/primitives.h"
#include "shell/audio.h"

namespace {

constexpr double ShadowRadius = 100.0;
constexpr int32_t SerpentSprite = 1;
constexpr int32_t CeilingFrames = 120;  // to come down, and again to go up
constexpr int32_t SoundCueChannel = 3;
constexpr double LeadPerX = 0.0625;

// Every interval frames from age 0. A negative interval counts as its magnitude, as the
// remainder does; 0 (an entry that did not come through the spawn entry's rule) is the
// entry's own "never". The remainder is taken in 64 bits: INT_MIN by -1 is no trap there.
bool dueAt(int32_t age, int32_t interval) {
  int64_t period = interval == 0 ? NeverInterval : interval;
  return int64_t(age) % period == 0;
}

// R mod trunc(extent + 1): a whole-number offset of magnitude below the divisor. A divisor
// below 1 (a negative, NaN or tiny extent from the file) gives no spread on the axis; the
// random number is drawn all the same, so one emission always draws the same count.
double spreadOnAxis(double extent) {
  int32_t divisor = truncInt32(extent + 1.0);
  int32_t r = signedRandom();
  return divisor >= 1 ? double(r % divisor) : 0.0;
}

// The emitter's point with its spread: x by the anchor's x, then y and z as above.
void spreadPoint(const Actor& c, double x, double* p) {
  p[0] = x + randomSpread(c.anchor[0]);
  p[1] = c.pos[1] + spreadOnAxis(c.anchor[1]);
  p[2] = c.pos[2] + spreadOnAxis(c.anchor[2]);
}

// Where a wave is placed to meet the player: twice the player's drift from the camera
// focus, plus a lead for the frames the wave needs to close in. When the wave keeps pace
// with the ground (no closing speed) it never arrives, so there is no lead to add.
double leadingX(const Actor& c) {
  double closing = Game.depthScroll - c.vel[2];
  double drift = 2.0 * (ThePlayer.pos[0] - CameraFocus.x);
  if (closing == 0.0) return drift;
  return drift + (c.pos[2] / closing) * ThePlayer.pos[0] * LeadPerX;
}

void emit(const Actor& c, const double* p) {
  spawnActor(c.sprite, c.aux, c.param, p, c.vel, c.anchor);
}

}  // namespace

// The serpent layout: head first, then segments, each linked to the actor placed before it.
void layOutSerpent(ControllerUpdate& u) {
  Actor& c = u.self;
  if (!dueAt(u.age, c.interval)) return;
  int32_t type = u.age == 0 ? ActorType::SerpentHead : ActorType::SerpentSegment;
  int32_t s = spawnActor(type, SerpentSprite, 0, c.pos, c.vel, c.anchor);
  if (s < 0) return;
  ActorTable[s].link = c.link;
  c.link = s;
}

// The emitter: the wave at the emitter's own point.
void emitWave(ControllerUpdate& u) {
  if (dueAt(u.age, u.self.interval)) emit(u.self, u.self.pos);
}

// The spread emitters: the wave scattered about the emitter's point.
void emitSpreadWave(ControllerUpdate& u) {
  const Actor& c = u.self;
  if (!dueAt(u.age, c.interval)) return;
  double p[3];
  spreadPoint(c, c.pos[0], p);
  emit(c, p);
}

// The leading emitter: the wave placed ahead of where the player is drifting; the emitter's x is
// not used.
void emitLeadingWave(ControllerUpdate& u) {
  const Actor& c = u.self;
  if (!dueAt(u.age, c.interval)) return;
  double p[3];
  spreadPoint(c, leadingX(c), p);
  emit(c, p);
}

// The tunnel ceiling: down over the first frames, held, up over the last; worked in 64 bits so
// lifetimes near the int32 limits cannot overflow.
void lowerTunnelCeiling(ControllerUpdate& u) {
  int64_t a = u.age;
  int64_t lifetime = u.self.lifetime;
  int64_t ceiling = a <= CeilingFrames             ? a
                    : a < lifetime - CeilingFrames ? CeilingFrames
                                                   : lifetime - a;
  Game.tunnelCeiling = double(ceiling);
}

// The sound cue: the sound is heard even when every channel is busy.
void cueSound(ControllerUpdate& u) {
  playEffectElseCutChannel(u.self.sprite, SoundCueChannel);
  u.newType = ActorType::Empty;
}

// The stage end: waits for age 0, clears the stage, fades out and asks for the next stage
// at lifetime.
void endStage(ControllerUpdate& u) {
  if (u.age > 0) setFade(u.age);
  if (u.age == 0) {
    ThePlayer.event = PlayerEvent::StageCleared;
    playEffect(Sound::StageCleared);
  }
  if (u.age != u.self.lifetime) return;
  requestNextStage();
  u.newType = ActorType::Empty;
}

// The player event: whatever number the sprite holds is posted. One the player does not
// answer still replaces an event posted earlier in the walk, and the player drops it.
void postPlayerEvent(ControllerUpdate& u) {
  ThePlayer.event = u.self.sprite;
  u.newType = ActorType::Empty;
}

// The music load: track 0, the table's empty entry, loads "resources/" like any other
// track: the current track goes and the load fails. A number outside the table loads
// nothing.
void loadTrack(ControllerUpdate& u) {
  char path[64];
  if (musicTrackPath(u.self.sprite, path, int32_t(sizeof path))) loadMusicTrack(path);
  u.newType = ActorType::Empty;
}

// The music command: aux rides along unused; the command itself ignores codes it does not know.
void commandMusic(ControllerUpdate& u) {
  musicCommand(u.self.sprite);
  u.newType = ActorType::Empty;
}

// A controller acts only on frames where the stage clock moved: while the player is down
// nothing is emitted, nothing ages and nothing is drawn. The age is read before its
// increment, so the first update acts at the start value; one whose lifetime is already
// reached acts once and ends.
int32_t updateController(int32_t, int32_t slot, int32_t sameClock) {
  if (slot < 0 || slot >= ActorCount) return 0;
  Actor& c = ActorTable[slot];
  if (sameClock != 0) return c.type;
  ControllerUpdate u{c, c.age, c.type};
  // Held at the top: an age of INT_MAX is past any lifetime and ends this update.
  c.age = saturatingAdd(u.age, 1);
  if (ControllerAction act = actorInfo(c.type).behaviour.controller) act(u);
  drawShadow(c.pos[0], c.pos[1], c.pos[2], ShadowRadius, ShadowRadius);
  if (c.lifetime <= u.age) u.newType = ActorType::Empty;
  c.type = u.newType;
  return u.newType;
}
