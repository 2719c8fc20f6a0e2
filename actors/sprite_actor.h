#pragma once
#include <cstdint>

#include "actors/actor_info.h"
#include "actors/actor_table.h"

// What one update of a sprite actor (kind 1) works out before it draws the actor. Made
// afresh at the start of every update and handed to the type's behaviour by reference.
struct SpriteFrame {
  // Read at the start of the update.
  int32_t slot;
  int32_t age;        // before this update's increment
  int32_t hpAtEntry;  // after this frame's contact
  bool inView;        // inside the cone ahead of the player, and beyond z 160
  double viewAngle;   // heading of (x, z) from the origin, radians
  double width, height;
  int32_t param;  // written back at the end of the update

  // Set by the behaviour.
  double rotation = 0.0;  // degrees
  double tint[4] = {1.0, 1.0, 1.0, 1.0};
  double facing = 1.0;  // -1 mirrors the picture
  int32_t drawSprite;   // texture slot drawn this frame
  int32_t newType;      // 0 ends the actor; another type takes over from the next frame
};

// Score, sound and remains of an actor that dies as newType, by that type's death row.
void runDeathRow(Actor& a, int32_t newType);
