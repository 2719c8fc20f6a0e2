#pragma once
#include <cstdint>

#include "actors/actor_table.h"

// What one update of a model actor (kind 0) works out before it draws the actor.
struct ModelFrame {
  int32_t type;
  int32_t age;  // before this update's increment
  int32_t newType;
  int32_t model;
  double rotation = 0.0;  // degrees
  double tint[4] = {1.0, 1.0, 1.0, 1.0};
  bool drawn;
  double distance;  // to the player
  double toPlayer[3];
};

// The behaviours of the model actors; a type without one stands where it is.
void rideGroundTarget(Actor& a, ModelFrame& f);
void spinningTarget(Actor& a, ModelFrame& f);
void tetheredSatellite(Actor& a, ModelFrame& f);

// What the ground targets leave besides their death row's points and sound.
void towerBursts(Actor& a);
void armouredTowerBursts(Actor& a);
void heavyTargetBursts(Actor& a);
