#pragma once
#include <cstdint>

#include "actors/actor_table.h"

// The working values of one controller (kind 2) update.
struct ControllerUpdate {
  Actor& self;
  int32_t age;      // the age before this update's increment
  int32_t newType;  // 0 ends the controller
};

// What each controller type does; a type without an action only waits out its lifetime.
void layOutSerpent(ControllerUpdate& u);
void emitWave(ControllerUpdate& u);
void emitSpreadWave(ControllerUpdate& u);
void emitLeadingWave(ControllerUpdate& u);
void lowerTunnelCeiling(ControllerUpdate& u);
void cueSound(ControllerUpdate& u);
void endStage(ControllerUpdate& u);
void postPlayerEvent(ControllerUpdate& u);
void loadTrack(ControllerUpdate& u);
void commandMusic(ControllerUpdate& u);
