#include "game/effects.h"

#include "game/game_state.h"
#include "game/geometry.h"
#include "game/sound_effects.h"
#include "game/texture_slots.h"
#include "render/draw_queue.h"
#include "render/primitives.h"
#include "render/texture_upload.h"
#include "shell/audio.h"

Effect EffectTable[EffectTableSize];
int32_t EffectCursor = 0;

namespace {
constexpr double ShadowPlaneY = 472.0;
constexpr double GroundPlaneY = 480.0;
constexpr double LandingY = 400.0;  // falling effects land once they pass it
constexpr double FallSpeed = 50.0;
constexpr double BombBurstY = 240.0;
constexpr double BombBurstSize = 240.0;
constexpr int32_t BurstLastAge = 31;  // 32 updates
constexpr int32_t BurstFadeAge = 24;
constexpr int32_t PuffLastAge = 20;      // 21 updates
constexpr int32_t FragmentLastAge = 60;  // 61 updates
constexpr double DegreesPerAge = 10.0;

// What one update of an effect works out before drawing it.
struct EffectLook {
  double rotation = 0.0;
  double alpha = 1.0;
  double sx, sy;
  int32_t frame = 0;  // added to the texture slot
  bool freed = false;
};

void copy3(double* to, const double* from) {
  for (int i = 0; i < 3; ++i) to[i] = from[i];
}

// Craters and explosions on the ground ride with it, run through three frames and fade out
// at the end; their shadow is drawn at once.
void updateGroundBurst(Effect& e, int32_t a, EffectLook& look) {
  e.pos[0] -= Game.sideScroll;
  e.pos[2] -= Game.depthScroll;
  look.frame = a < 20 ? a / 10 : 2;
  if (a >= BurstFadeAge) look.alpha = (34.0 - a) * 0.1;
  look.sx = e.size[1];
  look.freed = a >= BurstLastAge;
  drawShadow(e.pos[0], ShadowPlaneY, e.pos[2], e.size[0], e.size[0]);
}

// Drifts and fades; above full opacity for its first ten updates, which GL clamps.
void updatePuff(Effect& e, int32_t a, EffectLook& look) {
  vec3Add(e.pos, e.vel);
  look.alpha = (20.0 - a) * 0.1;
  look.freed = a >= PuffLastAge;
}

// A landing burst rides with the ground from where the falling effect came down.
void groundVelocity(Effect& e) {
  e.vel[0] = -Game.sideScroll;
  e.vel[2] = Game.depthScroll * -2.0;
}

void landDebris(Effect& e) {
  groundVelocity(e);
  e.pos[1] = GroundPlaneY - e.size[1];
  spawnEffect(EffectType::GroundBurst, TextureSlot::DebrisLanding, e.pos, e.vel, e.size);
  playEffect(Sound::GroundBlast);
}

void landBomb(Effect& e) {
  groundVelocity(e);
  e.pos[1] = BombBurstY;
  e.size[0] = BombBurstSize;
  e.size[1] = BombBurstSize;
  spawnEffect(EffectType::GroundBurst, TextureSlot::Blast, e.pos, e.vel, e.size);
  playEffect(Sound::BigExplosion);
}

// Falls upside down and lands as a ground burst. The burst may be written onto this very
// record, which is then freed all the same.
void updateFalling(Effect& e, EffectLook& look, void (*land)(Effect&)) {
  e.pos[1] += FallSpeed;
  look.rotation = 180.0;
  if (e.pos[1] > LandingY) {
    land(e);
    look.freed = true;
  }
}

void updateFragment(Effect& e, int32_t a, EffectLook& look) {
  vec3Add(e.pos, e.vel);
  look.rotation = a * DegreesPerAge;
  look.sx = e.size[1];
  look.freed = a >= FragmentLastAge;
}

void updateByType(Effect& e, int32_t a, EffectLook& look) {
  switch (e.type) {
    case EffectType::GroundBurst:
    case EffectType::GroundBurstToo: updateGroundBurst(e, a, look); break;
    case EffectType::Puff: updatePuff(e, a, look); break;
    case EffectType::Debris: updateFalling(e, look, landDebris); break;
    case EffectType::Bomb: updateFalling(e, look, landBomb); break;
    case EffectType::Fragment: updateFragment(e, a, look); break;
    default: break;  // drawn as it is, for as long as nothing overwrites it
  }
}

void updateEffect(Effect& e) {
  int32_t a = e.age;
  e.age = saturatingAdd(a, 1);
  EffectLook look;
  look.sx = e.size[0];
  look.sy = e.size[1];
  updateByType(e, a, look);
  double colour[4] = {1.0, 1.0, 1.0, look.alpha};
  uint32_t texture = textureForSlot(saturatingAdd(e.textureSlot, look.frame));
  queueDraw(e.pos[0], e.pos[1], e.pos[2], look.sx, look.sy, look.rotation, colour,
            static_cast<int32_t>(texture), 0);
  if (look.freed) e.type = 0;
}
}  // namespace

void spawnEffect(int32_t type, int32_t textureSlot, const double* pos, const double* vel,
                 const double* size) {
  // Held to the ring, whatever the cursor was set to.
  int32_t slot = EffectCursor & (EffectTableSize - 1);
  Effect& e = EffectTable[slot];
  e.type = type;
  e.textureSlot = textureSlot;
  e.age = 0;
  copy3(e.pos, pos);  // the source may be this record itself
  copy3(e.vel, vel);
  copy3(e.size, size);
  EffectCursor = (slot + 1) & (EffectTableSize - 1);
}

int32_t updateEffects(int32_t) {
  for (Effect& e : EffectTable) {
    if (e.type != 0) updateEffect(e);
  }
  return EffectTableSize;
}

void resetEffects(TableReset how) {
  if (how == TableReset::Zero) {
    for (Effect& e : EffectTable) e = Effect{};
    EffectCursor = 0;
  }
  for (Effect& e : EffectTable) e.type = 0;
}
