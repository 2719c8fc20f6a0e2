#pragma once
#include <cstdint>

#include "shell/audio.h"

// The sound effects by number (resources/s1000.aif is 0), named for what they sound like
// or when the game plays them.
namespace Sound {
enum : int32_t {
  PlayerShot,       // a short "pew": the player fires
  Dash,             // a rising whoosh: the player dashes
  Growl,            // a low wobbling growl: boss behaviours
  LightBurst,       // most enemies die
  GroundBlast,      // a small dry blast: ground explosions and targets
  BigExplosion,     // ground explosions and heavier enemies
  ArmourPing,       // a shot bounces off armour
  CrunchyBurst,     // several enemy types die
  LockOn,           // two quick beeps
  Alarm,            // only when a stage cue names it
  ShotHit,          // a dull knock: a shot hits an enemy that survives
  PickUpGained,     // a coin or an extra life is gained
  PowerUp,          // only when a stage cue names it
  EnemyShot,        // a falling zap: an enemy fires
  PickUpThrown,     // a rising bloop: a pick-up is thrown, a title coin is added
  StageCall,        // a brass call: the first stage's start
  PlayerHit,        // harsh noise and a buzzing fall
  LifeLost,         // falling square notes
  StageCleared,     // a rising jingle
  ContinueTaken,    // a climbing arpeggio
  GameOver,         // a slow falling melody
  TitleAppears,     // a brass chord hit
  NewGame,          // a short fanfare
  Siren,            // stage cue: a warning
  Rumble,           // stage cue: something big approaches
  BossDestroyed,    // a huge explosion
  ChargeUp,         // a rising whine: boss behaviours
  Shatter,          // the pick-up carrier is destroyed
  BossHit,          // a low metallic clang
  Fizz,             // the smoke-trailing gunners die
  AltTitleAppears,  // the alternative title picture appears
  Count,
};
static_assert(Count == EffectCount, "a name for each effect the game loads");
}  // namespace Sound
