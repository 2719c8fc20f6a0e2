// The checks of the stage controllers: the words each one takes as a period, a divisor, a
// count of frames or an index into a table of the game.

#include <string>

#include "game/actor_type.h"
#include "game/geometry.h"
#include "game/player.h"
#include "shell/audio.h"
#include "tools/stages/stage_check.h"

namespace {
using Check = void (*)(const CheckContext& c, const SpawnEntry& e);

// The ground's speed into the screen while the stage runs: the leading emitter divides by
// it less the wave's own speed.
constexpr double GroundSpeed = 32.0;
constexpr int32_t CeilingFrames = 120;
constexpr int32_t LastMusicCommand = MusicCommand::Stop;

std::string n(int32_t v) { return std::to_string(v); }

// Controllers that act every interval frames while they live.
void checkPeriod(const CheckContext& c, const SpawnEntry& e, const char* acts) {
  if (e.interval == 0) {
    c.warning(std::string("interval 0 ") + acts + " once only (it means every " +
              std::to_string(NeverInterval) + " frames)");
  } else if (e.interval < 0) {
    c.warning("interval " + n(e.interval) + " is negative: it " + acts + " every " +
              n(e.interval == INT32_MIN ? INT32_MAX : -e.interval) + " frames");
  }
  if (e.lifetime < 0) c.warning(std::string("lifetime below 0: it ") + acts + " once only");
}

void checkSerpent(const CheckContext& c, const SpawnEntry& e) {
  checkPeriod(c, e, "lays a segment");
}

// The spread emitters take R mod trunc(anchor + 1) on y and z: a divisor below 1 divides by
// zero or turns the spread inside out.
void checkSpread(const CheckContext& c, const SpawnEntry& e) {
  for (int32_t axis = 1; axis <= 2; ++axis) {
    int32_t divisor = truncInt32(e.anchor[axis] + 1.0);
    if (divisor >= 1) continue;
    c.error(std::string("anchor ") + "xyz"[axis] + " below 0: the spread divisor trunc(anchor " +
            "xyz"[axis] + " + 1) is " + n(divisor) + ", it must be at least 1");
  }
}

void checkEmitted(const CheckContext& c, const SpawnEntry& e) {
  if (e.sprite == 0 || !knownType(e.sprite)) {
    c.error("sprite " + n(e.sprite) + " is the emitted type, and no type 1 to 58: it emits " +
            "nothing");
    return;
  }
  if (kindOf(e.sprite) == 2) c.warning("it emits controllers (type " + n(e.sprite) + ")");
  checkLooks(c, e.sprite, e.aux, "aux (the emitted sprite)");
}

void checkEmitter(const CheckContext& c, const SpawnEntry& e) {
  checkPeriod(c, e, "emits");
  checkEmitted(c, e);
}

void checkSpreadEmitter(const CheckContext& c, const SpawnEntry& e) {
  checkEmitter(c, e);
  checkSpread(c, e);
}

// The lead is the emitter's depth over the wave's closing speed.
void checkLeadingEmitter(const CheckContext& c, const SpawnEntry& e) {
  checkSpreadEmitter(c, e);
  double closing = GroundSpeed - e.vel[2];
  if (closing == 0.0) {
    c.error(
        "vel z 32 keeps pace with the ground: the wave never closes in and its lead "
        "divides by zero");
  } else if (closing < 0.0) {
    c.warning("vel z above 32: the wave runs away from the player");
  }
}

// Down over 120 frames, held, and up over the last 120: a shorter life leaves it hanging.
void checkCeiling(const CheckContext& c, const SpawnEntry& e) {
  if (e.lifetime <= CeilingFrames) {
    c.error("lifetime " + n(e.lifetime) + ": the ceiling ends before it comes down fully and " +
            "stays down for the rest of the stage");
  } else if (e.lifetime < 2 * CeilingFrames) {
    c.warning("lifetime " + n(e.lifetime) + " under 240: the ceiling jumps up before it " +
              "has come down");
  }
}

void checkSoundCue(const CheckContext& c, const SpawnEntry& e) {
  if (e.sprite < 0 || e.sprite >= EffectCount)
    c.error("sprite " + n(e.sprite) + " is no sound effect (0 to " + n(EffectCount - 1) + ")");
}

// Cleared at age 0, the next stage at age lifetime; the age starts at the start value.
void checkStageEnd(const CheckContext& c, const SpawnEntry& e) {
  if (e.lifetime < e.start) {
    c.error("lifetime " + n(e.lifetime) + " below start " + n(e.start) +
            ": the next stage never starts");
  } else if (e.start > 0) {
    c.warning("start " + n(e.start) +
              " above 0: the stage is never cleared (no bonus, no "
              "sound), only faded and left");
  }
}

void checkPlayerEvent(const CheckContext& c, const SpawnEntry& e) {
  using namespace PlayerEvent;
  for (int32_t known :
       {HitHard, HitSoft, ForceDash, ExtraLife, Coin, StageCleared, AllStagesCleared}) {
    if (e.sprite == known) return;
  }
  c.error("sprite " + n(e.sprite) +
          " is no player event (1 to 5, 7 or 8): the player drops it, and with it any event "
          "posted earlier in the frame");
}

void checkMusicLoad(const CheckContext& c, const SpawnEntry& e) {
  if (e.sprite < 0 || e.sprite >= MusicTrackCount) {
    c.error("sprite " + n(e.sprite) + " is no music track (1 to " + n(MusicTrackCount - 1) + ")");
  } else if (e.sprite == 0) {
    c.warning("track 0 has no file: the music stops and \"resources/\" fails to load");
  }
}

void checkMusicCommand(const CheckContext& c, const SpawnEntry& e) {
  if (e.sprite < 1 || e.sprite > LastMusicCommand)
    c.warning("sprite " + n(e.sprite) + " is no music command (1 to 5): it does nothing");
}

struct ControllerCheck {
  int32_t type;
  Check check;
};

// clang-format off
constexpr ControllerCheck ControllerChecks[] = {
  // type                    check
  {ActorType::SerpentLayout,  checkSerpent},
  {ActorType::Emitter,        checkEmitter},
  {ActorType::SpreadEmitter,  checkSpreadEmitter},
  {ActorType::SpreadEmitter2, checkSpreadEmitter},
  {ActorType::LeadingEmitter, checkLeadingEmitter},
  {ActorType::TunnelCeiling,  checkCeiling},
  {ActorType::SoundCue,       checkSoundCue},
  {ActorType::StageEnd,       checkStageEnd},
  {ActorType::PlayerEvent,    checkPlayerEvent},
  {ActorType::MusicLoad,      checkMusicLoad},
  {ActorType::MusicCommand,   checkMusicCommand},
};
// clang-format on
}  // namespace

void checkController(const CheckContext& c, const SpawnEntry& e) {
  for (const ControllerCheck& row : ControllerChecks) {
    if (row.type == e.type) row.check(c, e);
  }
}
