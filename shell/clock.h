#pragma once
#include <cstdint>

// The one clock the loop, the frame-skip rule and the frame-rate readout read.
// The game uses SDL's millisecond timer; a test or the headless runner installs its own.
struct ClockSource {
  uint32_t (*ticks)();         // milliseconds since start
  void (*delay)(uint32_t ms);  // sleep
};

constexpr int32_t MsPerTick = 17;

uint32_t getTicks();
void delayMs(uint32_t ms);
// The game clock: one tick is one nominal frame.
int32_t tick();

void setClockSource(ClockSource source);
void useSdlClock();
