#pragma once
#include "actors/actor_table.h"
#include "actors/sprite_actor.h"

// The behaviour routines of the ordinary sprite actors, by family, and what they leave
// when they die. The actor table names one of each per type.

// Remains: bursts of the explosion slots, the falling picture of the actor, a shard.
void groundBurst(Actor& a);
void blastBurst(Actor& a);
void dustBurst(Actor& a);
void emptyBalloonFalls(Actor& a);
void wreckFalls(Actor& a);
void bombFalls(Actor& a);
void shardFlies(Actor& a);
void burstAndShard(Actor& a);
void wreckBurns(Actor& a);

// Bullets and pick-ups.
void driftAndFade(Actor& a, SpriteFrame& f);
void spinningBullet(Actor& a, SpriteFrame& f);
void trailingBullet(Actor& a, SpriteFrame& f);
void bomb(Actor& a, SpriteFrame& f);

// Things that ride with the world: ground targets, the pick-up carrier, drifting figures.
void rideGround(Actor& a, SpriteFrame& f);
void carrier(Actor& a, SpriteFrame& f);
void drifter(Actor& a, SpriteFrame& f);

// The hatch that opens to fire.
void hatch(Actor& a, SpriteFrame& f);

// Fighters that sweep in and fire with a warning.
void weavingFighter(Actor& a, SpriteFrame& f);
void weavingDrone(Actor& a, SpriteFrame& f);
void swingingFighter(Actor& a, SpriteFrame& f);
void swooper(Actor& a, SpriteFrame& f);
void sentinel(Actor& a, SpriteFrame& f);
void stiltWalker(Actor& a, SpriteFrame& f);
void hoverFortress(Actor& a, SpriteFrame& f);

// Flyers that glide across, hop, hunt and dive.
void glider(Actor& a, SpriteFrame& f);
void hopper(Actor& a, SpriteFrame& f);
void hunter(Actor& a, SpriteFrame& f);
void divingRay(Actor& a, SpriteFrame& f);
void torpedoDrone(Actor& a, SpriteFrame& f);
void gunship(Actor& a, SpriteFrame& f);

// Bosses built from several actors, and the wreck a fallen boss leaves.
void satelliteBoss(Actor& a, SpriteFrame& f);
void bossSatellite(Actor& a, SpriteFrame& f);
void bomberBoss(Actor& a, SpriteFrame& f);
void burningWreck(Actor& a, SpriteFrame& f);
// Spawns the burning wreck where the boss fell, with the boss's picture and size.
void leaveWreck(const Actor& boss);

// The mid-boss, the boss with two arms and the serpent, one file each. What they leave when
// they fall goes with them; their death row names it.
void midBoss(Actor& a, SpriteFrame& f);
void midBossFalls(Actor& a);
void armBoss(Actor& a, SpriteFrame& f);
void armSegment(Actor& a, SpriteFrame& f);
void armBossFalls(Actor& a);
void serpentHead(Actor& a, SpriteFrame& f);
void serpentSegment(Actor& a, SpriteFrame& f);
void serpentHeadFalls(Actor& a);

// The scripted character of the bonus stages, with its trail of followers.
void bonusCharacter(Actor& a, SpriteFrame& f);
