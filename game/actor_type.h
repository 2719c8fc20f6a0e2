#pragma once
#include <cstdint>

// The actor types by the number a stage file gives them. The stage tool prints the same
// names in lower case ("armoured tower" for ArmouredTower).
namespace ActorType {
enum : int32_t {
  Empty,  // a free slot; a spawn of it fills the slot and leaves it free
  // Ground targets, drawn as models.
  Tower,
  ArmouredTower,
  FloatingTarget,
  HeavyTarget,
  SpinningTarget,
  // Sprites riding the ground.
  GroundRider,
  ArmouredRider,
  GroundWalker,
  ArmouredWalker,
  // Enemy shots.
  Bullet,
  SpinningBullet,
  TrailingBullet,
  Bomb,
  Carrier,  // carries an extra life
  WeavingFighter,
  WeavingDrone,
  SwingingFighter,
  Hatch,
  Swooper,
  InertSprite,
  Glider,
  Sentinel,
  MidBoss,
  SatelliteBoss,
  Satellite,
  Hopper,
  StiltWalker,
  HoverFortress,
  TetheredSatellite,  // a model, let out by the bomb boss
  BombBoss,
  Hunter,
  DivingRay,
  DriftingFigure,
  TorpedoDrone,
  Gunship,
  InertSprite2,
  ArmSegment,
  ArmBoss,
  InertSprite3,
  SerpentLayout,  // a controller
  SerpentSegment,
  SerpentHead,
  BonusCharacter,
  Drifter,
  GhostDrifter,
  Wreck,  // what a fallen boss leaves burning
  ExtraLife,
  Coin,
  // Controllers.
  Emitter,
  SpreadEmitter,
  SpreadEmitter2,
  LeadingEmitter,
  TunnelCeiling,
  SoundCue,
  StageEnd,
  PlayerEvent,
  MusicLoad,
  MusicCommand,
};
constexpr int32_t Highest = MusicCommand;
static_assert(Highest == 58, "the types run from 0 to 58");
}  // namespace ActorType
