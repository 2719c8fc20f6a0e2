#include "shell/frame_step.h"

#include <chrono>

#include "game/game_flow.h"
#include "game/game_state.h"
#include "game/sound_effects.h"
#include "render/camera.h"
#include "render/draw_queue.h"
#include "render/fade.h"
#include "screens/hud.h"
#include "screens/ranking.h"
#include "screens/title.h"
#include "shell/audio.h"
#include "shell/clock.h"
#include "shell/input.h"
#include "shell/session_replay.h"

FrameLoopState LoopState = {Mode::EnterTitle, 0, 0, 0};
int32_t FrameSkipSetting = 2;
ModeWorkTime LastModeWork = {0, 0.0};

namespace {
constexpr int32_t LateFrameDrawEvery = 60;  // setting 1 still draws one late frame in 60
constexpr int32_t ReturnToTitleEntry = -TitlePhase::AfterGame;

double msSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

GameMode pauseStep() {
  GameMode r = Mode::Pause;
  if (startHeld()) {
    waitStartReleased();
    musicCommand(MusicCommand::Resume);
    r = Mode::Play;
  }
  if (escapePressed()) r = Mode::EnterTitle;
  return r;
}

// The mode's own work in the scene step; answers the next mode.
GameMode modeWork(GameMode m) {
  switch (m) {
    case Mode::NewGame: return beginNewGame(keyHeld(Key::Four) ? 3 : 0);
    case Mode::Play: ++LoopState.modeFrameCounter; return playStep();
    case Mode::RecordScore:
      musicCommand(MusicCommand::Pause);
      rankFinishedGame(Game.score);
      if (rankingHeld()) noteRankedGame(HighlightedRank);
      return Mode::ReturnToTitle;
    case Mode::ReturnToTitle: return titleStep(ReturnToTitleEntry);
    case Mode::EnterTitle: LoopState.modeFrameCounter = 1; return titleStep(0);
    case Mode::Title: return titleStep(LoopState.modeFrameCounter++);
    default: return m;
  }
}

void drawFrame(GameMode m, GameMode r) {
  drawQueuedScene(0);
  applyOverlayTransform(CameraFocus.y);
  if (m == Mode::Play) {
    drawFadeOverlay(Game.fadeLevel);
    drawStageCaptions();
  }
  drawFrameRate(112, 352, 120);
  drawHud(r & ModeNumberMask);
  presentFrame();
}
}  // namespace

bool frameSkipped(int32_t now, int32_t lastTick, int32_t setting, int32_t frameCounter) {
  // 64-bit so that no setting from the file can overflow the arithmetic.
  int64_t d;
  if (int64_t(now) < int64_t(lastTick) + 2) {
    if (setting == 1) return false;
    d = int64_t(setting) - 1;
  } else {
    d = setting == 1 ? LateFrameDrawEvery : int64_t(setting) - 1;
  }
  if (d == 0) return false;  // setting 1 is the only way to 0, handled above
  return int64_t(frameCounter) % d != 0;
}

// From setting 2 up, the frame counter alone decides which frames stay undrawn, late or
// not, so such a frame is known before its work: its draws (the backdrop and the ground are
// drawn during the work) can be kept off the screen, and a slow machine saves the drawing
// as well as the showing.
namespace {
bool undrawnAhead(int32_t setting, int32_t frameCounter) {
  return setting >= 2 && frameSkipped(0, 0, setting, frameCounter);
}
}  // namespace

GameMode sceneStep(GameMode m) {
  bool hidden = undrawnAhead(FrameSkipSetting, LoopState.frameCounter);
  hideFrameDraws(hidden);
  clearScreen();
  placeCamera(CameraFocus.y);
  auto start = std::chrono::steady_clock::now();
  GameMode r = modeWork(m);
  LastModeWork = {m, msSince(start)};
  int32_t now = tick();
  // (A frame whose draws were hidden is never shown, even if the work changed the setting.)
  bool skip = hidden ||
              frameSkipped(now, LoopState.lastFrameTick, FrameSkipSetting, LoopState.frameCounter);
  LoopState.lastFrameTick = now;
  if (skip) {
    drawQueuedScene(-1);
    dropFrame();
    r |= SkippedFrameBit;
  } else {
    drawFrame(m, r);
  }
  if (hidden) hideFrameDraws(false);
  ++LoopState.frameCounter;
  return r;
}

GameMode beginNewGame(int32_t startStage) {
  playEffect(Sound::NewGame);
  LoopState.modeFrameCounter = 0;
  startNewGame(startStage);
  return Mode::Play;
}

GameMode frameStep(GameMode m) {
  if (m == 0) m = LoopState.currentMode;
  m &= ModeNumberMask;
  LoopState.currentMode = m;
  GameMode r = m;
  switch (m) {
    case Mode::NewGame: r = sceneStep(m); break;
    case Mode::Pause: r = pauseStep(); break;
    case Mode::EnterTitle:
    case Mode::Title:
      r = sceneStep(m);
      if (escapePressed()) r = Mode::Quit;
      break;
    case Mode::Play:
    case Mode::RecordScore:
    case Mode::ReturnToTitle:
      r = sceneStep(m);
      if (escapePressed()) r = Mode::EnterTitle;
      break;
    default: break;
  }
  LoopState.currentMode = r;
  return r;
}

void resetFrameLoopState() {
  LoopState = {Mode::EnterTitle, 0, 0, 0};
  HighlightedRank = 0;
}
