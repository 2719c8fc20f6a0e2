#include "shell/clock.h"

#include <SDL.h>

#include "shell/replay_answers.h"

namespace {
uint32_t sdlTicks() { return SDL_GetTicks(); }
void sdlDelay(uint32_t ms) { SDL_Delay(ms); }
ClockSource Clock = {sdlTicks, sdlDelay};
}  // namespace

uint32_t getTicks() { return Clock.ticks(); }
void delayMs(uint32_t ms) { Clock.delay(ms); }
int32_t tick() {
  return answered(Answer::Tick, [] { return static_cast<int32_t>(getTicks() / MsPerTick); });
}

void setClockSource(ClockSource source) { Clock = source; }
void useSdlClock() { Clock = {sdlTicks, sdlDelay}; }
