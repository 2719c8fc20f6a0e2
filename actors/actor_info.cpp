#include "actors/actor_info.h"

#include <iterator>

#include "actors/controller.h"
#include "actors/enemy_behaviours.h"
#include "actors/model_actor.h"
#include "game/actor_type.h"
#include "game/geometry.h"
#include "game/sound_effects.h"

namespace {
namespace Type = ActorType;

constexpr int32_t asModel(int32_t reaction, int32_t shape) {
  return actorFlags(ActorKind::Model, reaction, shape);
}
constexpr int32_t asSprite(int32_t reaction, int32_t shape) {
  return actorFlags(ActorKind::Sprite, reaction, shape);
}
constexpr int32_t Inert = actorFlags(ActorKind::Sprite, Reaction::None, Shape::None);
constexpr int32_t AsController = actorFlags(ActorKind::Controller, Reaction::None, Shape::None);

constexpr HpRule hp(int32_t n) { return {n, 0.0, 0.0, false}; }
constexpr HpRule hpAboveLevel9(int32_t n) { return {n, 0.0, 0.0, true}; }
constexpr HpRule hpByDifficulty(int32_t base, double slope, double scale) {
  return {base, slope, scale, false};
}
constexpr HpRule hpByDifficultyAboveLevel9(int32_t base, double slope, double scale) {
  return {base, slope, scale, true};
}

constexpr Behaviour moves(SpriteBehaviour b) { return {.sprite = b}; }
constexpr Behaviour moves(ModelBehaviour b) { return {.model = b}; }
constexpr Behaviour acts(ControllerAction b) { return {.controller = b}; }
constexpr Behaviour Still = {};

constexpr StartUse Age = StartUse::Age;
constexpr StartUse AgeAndParam = StartUse::AgeAndParam;
constexpr StartUse ParamOnly = StartUse::ParamOnly;

constexpr TypeFamily Ground = TypeFamily::Ground;
constexpr TypeFamily Enemy = TypeFamily::Enemy;
constexpr TypeFamily Item = TypeFamily::Item;
constexpr TypeFamily Boss = TypeFamily::Boss;
constexpr TypeFamily Controller = TypeFamily::Controller;
constexpr TypeFamily Unknown = TypeFamily::Unknown;

using namespace Reaction;
using namespace Shape;

// How each dies. The plain death is also that of every type without a death of its own,
// and of an actor that dies in the frame it leaves (as type 0).
// clang-format off
constexpr DeathRow PlainDeath       = {1000,  Sound::LightBurst,    NoFallback, dustBurst};
constexpr DeathRow Fireball         = {1000,  Sound::LightBurst,    NoFallback, groundBurst};
constexpr DeathRow Blast            = {5000,  Sound::BigExplosion,  NoFallback, blastBurst};
constexpr DeathRow SmallWreck       = {1000,  Sound::CrunchyBurst,  NoFallback, wreckFalls};
constexpr DeathRow LargeWreck       = {3000,  Sound::CrunchyBurst,  NoFallback, wreckFalls};
constexpr DeathRow SmallBombFalls   = {2000,  Sound::CrunchyBurst,  NoFallback, bombFalls};
constexpr DeathRow BombFalls        = {5000,  Sound::CrunchyBurst,  NoFallback, bombFalls};
constexpr DeathRow BalloonBursts    = {0,     Sound::Shatter,       1,          emptyBalloonFalls};
constexpr DeathRow Shard            = {3000,  Sound::Fizz,          NoFallback, shardFlies};
constexpr DeathRow BurstAndShard    = {3000,  Sound::Fizz,          NoFallback, burstAndShard};
constexpr DeathRow TowerFalls       = {2000,  Sound::BigExplosion,  NoFallback, towerBursts};
constexpr DeathRow ArmouredFalls    = {8000,  Sound::BigExplosion,  1,          armouredTowerBursts};
constexpr DeathRow BurstsInAir      = {2000,  Sound::GroundBlast,   NoFallback, groundBurst};
constexpr DeathRow HeavyBurstsInAir = {8000,  Sound::GroundBlast,   NoFallback, heavyTargetBursts};
constexpr DeathRow MidBossFalls     = {20000, Mute,                 NoFallback, midBossFalls};
constexpr DeathRow SatelliteBoss    = {20000, Mute,                 NoFallback, wreckBurns};
constexpr DeathRow BombBoss         = {40000, Mute,                 NoFallback, wreckBurns};
constexpr DeathRow ArmBossFalls     = {30000, Sound::BossDestroyed, 1,          armBossFalls};
constexpr DeathRow SerpentHeadFalls = {20000, Mute,                 NoFallback, serpentHeadFalls};

constexpr ActorInfo ActorInfos[] = {
  // type                    name                  family      flags (reaction, shape)
  //   hit points                               size (w, h, d)   start        behaviour                 death
  {Type::Empty,              "empty",              Unknown,    Inert,
   hp(1),                                     {128, 128, 128}, Age,         Still,                    PlainDeath},
  {Type::Tower,              "tower",              Ground,     asModel(Hurt, TallColumn),
   hp(1),                                     {128, 400, 128}, Age,         moves(rideGroundTarget),  TowerFalls},
  {Type::ArmouredTower,      "armoured tower",     Ground,     asModel(HurtAndDeflect, TallColumn),
   hp(10),                                    {128, 400, 128}, Age,         moves(rideGroundTarget),  ArmouredFalls},
  {Type::FloatingTarget,     "floating target",    Ground,     asModel(Hurt, Ball),
   hp(1),                                     {128, 128, 128}, Age,         moves(rideGroundTarget),  BurstsInAir},
  {Type::HeavyTarget,        "heavy target",       Ground,     asModel(HurtAndDeflect, Ball),
   hp(8),                                     {128, 128, 128}, Age,         moves(rideGroundTarget),  HeavyBurstsInAir},
  {Type::SpinningTarget,     "spinning target",    Ground,     asModel(HurtAndDeflect, Ball),
   hp(8),                                     {128, 128, 128}, Age,         moves(spinningTarget),    HeavyBurstsInAir},
  {Type::GroundRider,        "ground rider",       Enemy,      asSprite(Hurt, Ball),
   hp(1),                                     {128, 128, 128}, Age,         moves(rideGround),        Fireball},
  {Type::ArmouredRider,      "armoured rider",     Enemy,      asSprite(Deflect, Ball),
   hp(1),                                     {128, 128, 128}, Age,         moves(rideGround),        Blast},
  {Type::GroundWalker,       "ground walker",      Enemy,      asSprite(Hurt, Column),
   hpAboveLevel9(1),                          {256, 256, 256}, Age,         moves(rideGround),        Fireball},
  {Type::ArmouredWalker,     "armoured walker",    Enemy,      asSprite(HurtAndDeflect, Column),
   hpByDifficulty(1, 0.2, 20),                {256, 256, 256}, Age,         moves(rideGround),        Blast},
  {Type::Bullet,             "bullet",             Enemy,      asSprite(SoftHit, SmallBall),
   hp(1),                                     {64, 64, 64},    Age,         moves(driftAndFade),      PlainDeath},
  {Type::SpinningBullet,     "spinning bullet",    Enemy,      asSprite(SoftHit, SmallBall),
   hp(1),                                     {64, 64, 64},    Age,         moves(spinningBullet),    PlainDeath},
  {Type::TrailingBullet,     "trailing bullet",    Enemy,      asSprite(SoftHit, SmallBall),
   hp(1),                                     {64, 64, 64},    Age,         moves(trailingBullet),    PlainDeath},
  {Type::Bomb,               "bomb",               Enemy,      asSprite(SoftHit, SmallBall),
   hp(1),                                     {64, 64, 64},    Age,         moves(bomb),              PlainDeath},
  {Type::Carrier,            "carrier",            Item,       asSprite(Hurt, Column),
   hp(1),                                     {128, 256, 256}, Age,         moves(carrier),           BalloonBursts},
  {Type::WeavingFighter,     "weaving fighter",    Enemy,      asSprite(Lockable, Ball),
   hp(1),                                     {128, 128, 128}, Age,         moves(weavingFighter),    SmallWreck},
  {Type::WeavingDrone,       "weaving drone",      Enemy,      asSprite(Lockable, Ball),
   hp(1),                                     {128, 128, 128}, Age,         moves(weavingDrone),      SmallWreck},
  {Type::SwingingFighter,    "swinging fighter",   Enemy,      asSprite(Lockable, Ball),
   hp(1),                                     {128, 128, 128}, Age,         moves(swingingFighter),   SmallWreck},
  {Type::Hatch,              "hatch",              Enemy,      asSprite(Deflect, Ball),
   hp(1),                                     {128, 128, 128}, Age,         moves(hatch),             LargeWreck},
  {Type::Swooper,            "swooper",            Enemy,      asSprite(Lockable, Ball),
   hp(1),                                     {128, 128, 128}, Age,         moves(swooper),           SmallWreck},
  {Type::InertSprite,        "inert sprite",       Enemy,      Inert,
   hp(1),                                     {128, 128, 128}, Age,         Still,                    SmallBombFalls},
  {Type::Glider,             "glider",             Enemy,      asSprite(Hurt, Column),
   hpAboveLevel9(1),                          {256, 256, 256}, Age,         moves(glider),            Blast},
  {Type::Sentinel,           "sentinel",           Enemy,      asSprite(Lockable, Ball),
   hp(1),                                     {128, 128, 128}, Age,         moves(sentinel),          BombFalls},
  {Type::MidBoss,            "mid-boss",           Boss,       asSprite(Hurt, Ball),
   hp(20),                                    {128, 128, 128}, Age,         moves(midBoss),           MidBossFalls},
  {Type::SatelliteBoss,      "satellite boss",     Boss,       asSprite(HurtAndDeflect, Column),
   hpByDifficulty(1, 0.2, 20),                {256, 256, 256}, Age,         moves(satelliteBoss),     SatelliteBoss},
  {Type::Satellite,          "satellite",          Boss,       asSprite(Lockable, Ball),
   hp(2),                                     {128, 128, 128}, Age,         moves(bossSatellite),     LargeWreck},
  {Type::Hopper,             "hopper",             Enemy,      asSprite(Lockable, SmallColumn),
   hp(1),                                     {64, 128, 128},  Age,         moves(hopper),            SmallWreck},
  {Type::StiltWalker,        "stilt walker",       Enemy,      asSprite(Lockable, Column),
   hp(1),                                     {128, 256, 128}, Age,         moves(stiltWalker),       BombFalls},
  {Type::HoverFortress,      "hover fortress",     Enemy,      asSprite(Lockable, Column),
   hp(1),                                     {256, 256, 256}, Age,         moves(hoverFortress),     Blast},
  {Type::TetheredSatellite,  "tethered satellite", Boss,       asModel(HurtAndDeflect, Ball),
   hp(8),                                     {128, 128, 128}, Age,         moves(tetheredSatellite), BurstsInAir},
  {Type::BombBoss,           "bomb boss",          Boss,       asSprite(HurtAndDeflect, Column),
   hpByDifficulty(1 + 20, 0.2, 20),           {256, 256, 256}, Age,         moves(bomberBoss),        BombBoss},
  {Type::Hunter,             "hunter",             Enemy,      asSprite(Lockable, Ball),
   hp(1),                                     {128, 128, 128}, Age,         moves(hunter),            LargeWreck},
  {Type::DivingRay,          "diving ray",         Enemy,      asSprite(Lockable, Ball),
   hp(1),                                     {128, 128, 128}, Age,         moves(divingRay),         LargeWreck},
  {Type::DriftingFigure,     "drifting figure",    Enemy,      Inert,
   hp(1),                                     {128, 128, 128}, Age,         moves(glider),            PlainDeath},
  {Type::TorpedoDrone,       "torpedo drone",      Enemy,      asSprite(Lockable, Column),
   hpAboveLevel9(1),                          {128, 256, 128}, Age,         moves(torpedoDrone),      Shard},
  {Type::Gunship,            "gunship",            Enemy,      asSprite(Lockable, Column),
   hp(1),                                     {256, 256, 256}, Age,         moves(gunship),           BurstAndShard},
  {Type::InertSprite2,       "inert sprite 2",     Enemy,      Inert,
   hp(1),                                     {128, 128, 128}, Age,         Still,                    PlainDeath},
  {Type::ArmSegment,         "arm segment",        Boss,       asSprite(Lockable, Column),
   hpByDifficultyAboveLevel9(1000, 0.2, 15),  {128, 256, 128}, Age,         moves(armSegment),        PlainDeath},
  {Type::ArmBoss,            "arm boss",           Boss,       asSprite(Lockable, Column),
   hpByDifficultyAboveLevel9(1, 0.2, 15),     {128, 256, 128}, Age,         moves(armBoss),           ArmBossFalls},
  {Type::InertSprite3,       "inert sprite 3",     Enemy,      Inert,
   hp(1),                                     {128, 128, 128}, Age,         Still,                    PlainDeath},
  {Type::SerpentLayout,      "serpent layout",     Boss,       AsController,
   hp(1),                                     {128, 128, 128}, AgeAndParam, acts(layOutSerpent),      PlainDeath},
  {Type::SerpentSegment,     "serpent segment",    Boss,       asSprite(HurtAndDeflect, Column),
   hpByDifficulty(8000 + 20, 0.2, 20),        {256, 256, 256}, Age,         moves(serpentSegment),    PlainDeath},
  {Type::SerpentHead,        "serpent head",       Boss,       asSprite(Lockable, Column),
   hpByDifficulty(0, 0.1, 9),                 {256, 256, 256}, Age,         moves(serpentHead),       SerpentHeadFalls},
  {Type::BonusCharacter,     "bonus character",    Boss,       Inert,
   hp(1),                                     {128, 128, 128}, Age,         moves(bonusCharacter),    PlainDeath},
  {Type::Drifter,            "drifter",            Enemy,      Inert,
   hp(1),                                     {128, 128, 128}, Age,         moves(drifter),           PlainDeath},
  {Type::GhostDrifter,       "ghost drifter",      Enemy,      Inert,
   hp(1),                                     {64, 128, 128},  Age,         moves(drifter),           PlainDeath},
  {Type::Wreck,              "wreck",              Boss,       Inert,
   hp(1),                                     {128, 128, 128}, Age,         moves(burningWreck),      PlainDeath},
  {Type::ExtraLife,          "extra life",         Item,       asSprite(PickUp, Ball),
   hp(1),                                     {64, 64, 64},    Age,         moves(driftAndFade),      PlainDeath},
  {Type::Coin,               "coin",               Item,       asSprite(PickUp, Ball),
   hp(1),                                     {64, 64, 64},    Age,         moves(driftAndFade),      PlainDeath},
  {Type::Emitter,            "emitter",            Controller, AsController,
   hp(1),                                     {128, 128, 128}, ParamOnly,   acts(emitWave),           PlainDeath},
  {Type::SpreadEmitter,      "spread emitter",     Controller, AsController,
   hp(1),                                     {128, 128, 128}, ParamOnly,   acts(emitSpreadWave),     PlainDeath},
  {Type::SpreadEmitter2,     "spread emitter 2",   Controller, AsController,
   hp(1),                                     {128, 128, 128}, ParamOnly,   acts(emitSpreadWave),     PlainDeath},
  {Type::LeadingEmitter,     "leading emitter",    Controller, AsController,
   hp(1),                                     {128, 128, 128}, ParamOnly,   acts(emitLeadingWave),    PlainDeath},
  {Type::TunnelCeiling,      "tunnel ceiling",     Controller, AsController,
   hp(1),                                     {128, 128, 128}, AgeAndParam, acts(lowerTunnelCeiling), PlainDeath},
  {Type::SoundCue,           "sound cue",          Controller, AsController,
   hp(1),                                     {128, 128, 128}, AgeAndParam, acts(cueSound),           PlainDeath},
  {Type::StageEnd,           "stage end",          Controller, AsController,
   hp(1),                                     {128, 128, 128}, AgeAndParam, acts(endStage),           PlainDeath},
  {Type::PlayerEvent,        "player event",       Controller, AsController,
   hp(1),                                     {128, 128, 128}, AgeAndParam, acts(postPlayerEvent),    PlainDeath},
  {Type::MusicLoad,          "music load",         Controller, AsController,
   hp(1),                                     {128, 128, 128}, AgeAndParam, acts(loadTrack),          PlainDeath},
  {Type::MusicCommand,       "music command",      Controller, AsController,
   hp(1),                                     {128, 128, 128}, AgeAndParam, acts(commandMusic),       PlainDeath},
};
// clang-format on
constexpr int32_t RowCount = int32_t(std::size(ActorInfos));
static_assert(RowCount == ActorType::Highest + 1, "one row for each type 0..58");

constexpr int32_t kindOf(const ActorInfo& row) { return flagByte(row.flags, FlagByte::Kind); }

// Row t is type t; each row's routine is one its kind runs, and only controllers take the
// start value as their param.
constexpr bool rowsAreSound() {
  for (int32_t t = 0; t < RowCount; ++t) {
    const ActorInfo& row = ActorInfos[t];
    const Behaviour& b = row.behaviour;
    int32_t kind = kindOf(row);
    if (row.type != t || (row.flags >> 24) != 0) return false;
    if ((b.sprite && kind != ActorKind::Sprite) || (b.model && kind != ActorKind::Model) ||
        (b.controller && kind != ActorKind::Controller)) {
      return false;
    }
    if ((row.start != StartUse::Age) != (kind == ActorKind::Controller)) return false;
    if (!row.death.remains) return false;
  }
  return true;
}
static_assert(rowsAreSound(), "rows in type order, each routine of its row's kind");
}  // namespace

const ActorInfo& actorInfo(int32_t type) {
  if (type < 0 || type >= RowCount) return ActorInfos[ActorType::Empty];
  return ActorInfos[type];
}

int32_t startingHp(const HpRule& rule, double difficulty, int32_t level) {
  int32_t hp = rule.base;
  if (rule.scale != 0.0) {
    hp = saturatingAdd(hp, truncInt32((difficulty * rule.slope + 1) * rule.scale));
  }
  if (rule.aboveLevel9 && level > 9) hp = saturatingAdd(hp, 1);
  return hp;
}
