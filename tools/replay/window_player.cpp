#include "tools/replay/window_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "shell/audio.h"
#include "shell/clock.h"
#include "shell/frame_loop.h"
#include "shell/frame_step.h"
#include "shell/replay_answers.h"
#include "shell/startup.h"
#include "tools/headless/replay_run.h"
#include "tools/headless/runner.h"

namespace {
// Fast-forwarding, one frame in eight is drawn (the frame-skip setting 9) and one in eight
// waits for the rest of its 17 ms, so play runs about eight times as fast, the game's
// paused frames, which draw nothing, as well.
constexpr int32_t FastForwardSkip = 9;
constexpr int32_t FastForwardWaitEvery = FastForwardSkip - 1;

// The temporary folder the playback runs in, removed at the end.
struct RunFolder {
  std::string path;
  ~RunFolder() {
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove_all(path, ignored);
  }
};

// Pauses the sound that is playing, and resumes only what it paused: the game's own pause
// keeps the music paused.
class SoundHold {
 public:
  void hold() {
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    if (!Mix_QuerySpec(&frequency, &format, &channels)) return;  // no sound device
    music_ = Mix_PlayingMusic() && !Mix_PausedMusic();
    if (music_) Mix_PauseMusic();
    for (int c = 0; c < MixChannels; ++c) {
      channel_[c] = Mix_Playing(c) && !Mix_Paused(c);
      if (channel_[c]) Mix_Pause(c);
    }
  }
  void release() {
    if (music_) Mix_ResumeMusic();
    for (int c = 0; c < MixChannels; ++c) {
      if (channel_[c]) Mix_Resume(c);
    }
    *this = {};
  }

 private:
  bool music_ = false;
  bool channel_[MixChannels] = {};
};

// The viewer's keys, taken from SDL's events; the game's own input comes from the replay.
struct ViewerKeys {
  bool paused = false;
  bool stop = false;
  SoundHold sound;

  void read() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
      if (event.type == SDL_QUIT) stop = true;
      if (event.type != SDL_KEYDOWN) continue;
      if (event.key.keysym.sym == SDLK_ESCAPE) stop = true;
      if (event.key.keysym.sym == SDLK_SPACE) {
        paused = !paused;
        if (paused)
          sound.hold();
        else
          sound.release();
      }
    }
  }
  static bool fastForward() { return SDL_GetKeyState(nullptr)[SDLK_RIGHT] != 0; }
};

int refuse(const std::string& error) {
  std::fprintf(stderr, "bravin-replay: %s\n", error.c_str());
  return 1;
}

// Says the first frame out of sync as soon as it is found.
void sayOutOfSync(const ReplayRun& run, bool& said) {
  if (said || run.outOfSyncAt < 0) return;
  std::printf("replay out of sync at frame %d\n", run.outOfSyncAt);
  std::fflush(stdout);
  said = true;
}

// The frames of the replay at the game's speed, the viewer's keys read before each.
// Answers the frames run; stopped is set when the viewer stopped it first.
int32_t playFrames(ReplayRun& run, bool& said, bool& stopped) {
  const int32_t ownSkip = FrameSkipSetting;
  ViewerKeys keys;
  int32_t frame = 0, fastFrames = 0;
  GameMode r = LoopState.currentMode;
  while (frame < run.replay.frameCount && (r & ModeNumberMask) != Mode::Quit) {
    keys.read();
    if (keys.stop) break;
    if (keys.paused) {
      delayMs(FramePeriodMs);
      continue;
    }
    bool fast = ViewerKeys::fastForward();
    FrameSkipSetting = fast ? std::max(ownSkip, FastForwardSkip) : ownSkip;
    uint32_t t0 = getTicks();
    r = frameStep(0);
    uint32_t t1 = getTicks();
    closeReplayFrame(run, frame++);
    sayOutOfSync(run, said);
    uint32_t wait = frameWait(t0, t1, r);
    if (fast && ++fastFrames % FastForwardWaitEvery != 0) wait = 0;
    delayMs(wait);
  }
  FrameSkipSetting = ownSkip;
  if (keys.paused) keys.sound.release();
  stopped = keys.stop;
  return frame;
}
}  // namespace

int playInWindow(const std::string& file, const std::string& assets) {
  ReplayRun run;
  RunFolder folder;
  std::string error;
  if (!openReplayRun(file, "", run, error)) return refuse(error);
  std::error_code ec;
  if (assets.empty()) {
    return refuse(
        "no asset folder: none of resources/ here, the player's folder's or the "
        "installed one");
  }
  if (!std::filesystem::is_directory(assets, ec)) return refuse("no asset folder " + assets);
  if (!enterRunFolder(assets, folder.path, error) || !enterReplayRun(run, error)) {
    return refuse(error);
  }
  int32_t status = openDisplay();
  if (status != 0) return status;
  startUp();
  if (!startReplayRun(run, error)) {
    shutDownPlatform();
    return refuse(error);
  }
  frameStep(Mode::EnterTitle);
  closeReplayFrame(run, -1);
  bool said = false, stopped = false;
  sayOutOfSync(run, said);
  int32_t framesRun = playFrames(run, said, stopped);
  if (stopped) {
    setAnswerPlayer(nullptr);
    std::printf("replay stopped after %d of %d frames\n", framesRun, run.replay.frameCount);
    status = said ? 3 : 0;
  } else {
    finishReplayRun(run, framesRun, error);  // nothing is recorded: it cannot fail
    std::string line;
    status = playbackEnd(run.outOfSyncAt, run.replay.cutShort, framesRun, line);
    if (!(status == 3 && said)) std::printf("%s\n", line.c_str());
  }
  std::fflush(stdout);
  shutDownPlatform();
  return status;
}
