#include "game/player.h"

#include "game/effects.h"
#include "game/game_state.h"
#include "game/geometry.h"
#include "game/shots.h"
#include "game/sound_effects.h"
#include "game/texture_slots.h"
#include "render/draw_queue.h"
#include "render/primitives.h"
#include "render/texture_upload.h"
#include "shell/audio.h"
#include "shell/input.h"

Player ThePlayer;
int32_t FireTimer = 0;

namespace {
// Texture slots of the player's pictures.
constexpr int32_t FlightSlots = 48;  // 48..55: four groups of two frames
constexpr int32_t FlyAwaySlot = 49;
constexpr int32_t DashSlot = 56;
constexpr int32_t FallingSlot = 57;
constexpr int32_t CrashedSlot = 58;
constexpr int32_t PromptSlot = 59;
constexpr int32_t PuffSlot = TextureSlot::DustPuff;

constexpr double Step = 4.0;
constexpr double SingleAxisBoost = 1.41421356;  // one axis alone moves as far as a diagonal
constexpr double DemoSpeed = 5.0;

constexpr double Left = -256.0, Right = 256.0, Top = 64.0;
constexpr double Ground = 400.0;  // the player's lowest y
constexpr double PromptHalfWidth = 128.0;
constexpr double DashHeight = 390.0;  // a dash starts only below this
constexpr double FlightDepth = 240.0;
constexpr double ShadowY = 472.0;
constexpr double ShadowDepth = 32.0;  // the shadow lies this far behind the player
constexpr double SpriteSize = 64.0, ShadowSize = 32.0;

constexpr int32_t BlinkFrames = 128;
constexpr int32_t DashFrames = 60;
constexpr int32_t DashOutward = 40;  // frames of the dash spent going into the depth
constexpr int32_t FallFrames = 99;
constexpr int32_t CrashFrames = 120;
constexpr int32_t ContinueGuard = 60;
constexpr int32_t ContinueTimeOut = 1200;
constexpr int32_t GameOverFrames = 120;
constexpr int32_t FlyAwayFrames = 60;
constexpr int32_t ClearTimeOut = 2750;
constexpr int32_t RefireFrames = 14;
constexpr int32_t DemoFireMask = 15;
constexpr int32_t ContinueLives = 3;
constexpr double MaxDifficulty = 9.0;
constexpr double ShotDifficulty = 0.0005;

const double White[4] = {1.0, 1.0, 1.0, 1.0};
const double FlashColour[4] = {0.9, 0.2, 0.1, 0.9};

// The working values of one player step. The position is a copy, written back at the end,
// so ThePlayer.pos still holds where the step began.
struct PlayerStep {
  int32_t clock;
  int32_t a, b;  // buttons held
  double vx, vy;
  int32_t state;
  int32_t c;  // the state counter
  int32_t event;
  double pos[3];
};

double clampTo(double v, double lo, double hi) { return v < lo ? lo : (v > hi ? hi : v); }

void clampToFlight(PlayerStep& s) {
  s.pos[0] = clampTo(s.pos[0], Left, Right);
  s.pos[1] = clampTo(s.pos[1], Top, Ground);
}

void enter(PlayerStep& s, int32_t state) {
  s.state = state;
  s.c = 0;
}

void playSound(int32_t effect) { playEffect(effect); }
void forceSound(int32_t effect) { playEffectElseCutChannel(effect, 0); }

void queueSprite(double x, double y, double z, double angle, int32_t slot) {
  queueDraw(x, y, z, SpriteSize, SpriteSize, angle, White,
            static_cast<int32_t>(textureForSlot(slot)), 0);
}

// A sprite on the ground or in the depth, with its shadow behind it.
void queueWithShadow(const PlayerStep& s, double y, double angle, int32_t slot) {
  queueSprite(s.pos[0], y, s.pos[2], angle, slot);
  drawShadow(s.pos[0], ShadowY, s.pos[2] + ShadowDepth, ShadowSize, ShadowSize);
}

void readVelocity(PlayerStep& s, int32_t demo) {
  int32_t dy = 0, dx = 0;
  readDirection(dy, dx);
  s.vx = Step * dx;
  s.vy = Step * dy;
  if (s.vx * s.vy == 0.0) {
    s.vx *= SingleAxisBoost;
    s.vy *= SingleAxisBoost;
  }
  // The demo steers itself along a slow loop.
  if (demo != 0) {
    s.vx = DemoSpeed * cos256(s.clock / 2);
    s.vy = DemoSpeed * sin256(s.clock);
  }
}

// 0 on the ground, else 1..3 from left to right.
int32_t spriteGroup(double x, double y) {
  if (y >= Ground) return 0;
  return truncInt32(x + 600.0) / 400 + 1;
}

// Flying, Recovering and Arriving end here: placed, drawn (blinking unless flying), and
// the blinking ends after 128 frames.
void flightTail(PlayerStep& s) {
  s.pos[2] = FlightDepth;
  clampToFlight(s);
  int32_t slot = FlightSlots + 2 * spriteGroup(s.pos[0], s.pos[1]) + ((s.c / 8) & 1);
  if (s.state == PlayerState::Flying || (s.c & 2) == 0) {
    queueSprite(s.pos[0], s.pos[1], FlightDepth, 0.0, slot);
  }
  drawShadow(s.pos[0], ShadowY, FlightDepth + ShadowDepth, ShadowSize, ShadowSize);
  // A state chosen this frame came with a counter of 0 and stays.
  if (s.c >= BlinkFrames) s.state = PlayerState::Flying;
  s.clock = saturatingAdd(s.clock, 1);
}

void recovering(PlayerStep& s) {
  s.pos[0] += s.vx;
  s.pos[1] += s.vy;
  flightTail(s);
}

void flying(PlayerStep& s) {
  using namespace PlayerEvent;
  if (s.pos[1] > DashHeight && (s.b || s.event == ForceDash)) {
    enter(s, PlayerState::Dash);
    playSound(Sound::Dash);
  }
  if (s.event == HitHard || s.event == HitSoft) {
    enter(s, PlayerState::Falling);
    forceSound(Sound::PlayerHit);
  }
  if (s.event == Coin || s.event == ExtraLife) {
    if (s.event == Coin) {
      CoinCount = saturatingAdd(CoinCount, 1);
    } else {
      Game.lives = saturatingAdd(Game.lives, 1);
    }
    enter(s, PlayerState::Recovering);
    forceSound(Sound::PickUpGained);
  }
  if (s.event == StageCleared) enter(s, PlayerState::StageClear);
  recovering(s);
}

// StageClear and AllStagesClear: free flight, drawn only as the fly-away picture.
void clearing(PlayerStep& s) {
  s.pos[0] += s.vx;
  s.pos[1] += s.vy;
  s.pos[2] = FlightDepth;
  clampToFlight(s);
  if (s.c < FlyAwayFrames && s.state == PlayerState::StageClear) {
    // Up above the player, then down toward the camera, closing in on the centre line.
    int64_t rise = int64_t(s.c) - 20;
    double x = (FlyAwayFrames - s.c) * s.pos[0] * 0.016666666666666666;
    double y = static_cast<double>(rise * rise / 2) + s.pos[1] - 450.0;
    queueSprite(x, y, FlightDepth - 2.0 * s.c, 0.0, FlyAwaySlot);
  }
  if (s.event == PlayerEvent::AllStagesCleared) {
    s.state = PlayerState::AllStagesClear;
    if (Game.difficulty < MaxDifficulty) Game.difficulty = MaxDifficulty;
  }
  // Kept waiting too long for the next stage: a life, and back into play at once.
  if (s.c > ClearTimeOut) {
    Game.lives = saturatingAdd(Game.lives, 1);
    forceSound(Sound::PickUpGained);
    s.state = PlayerState::Recovering;
  }
  s.clock = saturatingAdd(s.clock, 1);
}

void dash(PlayerStep& s) {
  if (s.event == PlayerEvent::HitHard) {
    forceSound(Sound::PlayerHit);
    enter(s, PlayerState::Falling);
  }
  if (s.event == PlayerEvent::StageCleared) enter(s, PlayerState::StageClear);
  s.pos[2] += s.c < DashOutward ? 5.0 : -10.0;
  s.pos[1] = Ground;
  queueWithShadow(s, Ground, 0.0, DashSlot);
  if (s.c >= DashFrames) s.state = PlayerState::Flying;
  // A trail of puffs every 4 frames on the way out, left where the player was.
  if ((s.c & 3) == 0 && s.c < DashOutward) {
    const double vel[3] = {0.0, 1.0, -10.0};
    const double size[3] = {32.0, 32.0, 1.0};
    spawnEffect(EffectType::Puff, PuffSlot, ThePlayer.pos, vel, size);
  }
  s.clock = saturatingAdd(s.clock, 1);
}

// A death: a life less, and then a respawn, the continue prompt or the crash.
void landAfterFall(PlayerStep& s) {
  enter(s, PlayerState::Recovering);
  Game.lives = saturatingAdd(Game.lives, -1);
  double d = Game.difficulty;
  if (Game.stage + 1.0 <= d && d <= MaxDifficulty) Game.difficulty = d - 1.0;
  if (Game.lives >= 1) {
    playSound(Sound::LifeLost);
  } else if (CoinCount > 0) {
    s.pos[0] = -1.0;
    s.state = PlayerState::ContinuePrompt;
    playSound(Sound::LifeLost);
  } else {
    s.state = PlayerState::Crashed;
  }
}

void falling(PlayerStep& s) {
  if (s.pos[1] <= Ground) s.pos[1] += s.c / 5;
  bool down = s.pos[1] > Ground;
  queueWithShadow(s, s.pos[1], down ? 0.0 : s.c / 2, down ? CrashedSlot : FallingSlot);
  if (s.c > FallFrames) landAfterFall(s);
}

void crashed(PlayerStep& s) {
  s.pos[1] = Ground;
  queueWithShadow(s, Ground, 0.0, CrashedSlot);
  if (s.c > CrashFrames) {
    playSound(Sound::GameOver);
    enter(s, PlayerState::GameOver);
  }
}

// A continue restores the lives for a coin; the score's last digit counts continues up to 9.
void acceptContinue(PlayerStep& s) {
  CoinCount = saturatingAdd(CoinCount, -1);
  Game.lives = ContinueLives;
  enter(s, PlayerState::Recovering);
  int32_t score = saturatingAdd(Game.score, 1);
  if (score % 10 != 0) Game.score = score;
  playSound(Sound::ContinueTaken);
}

// Standing on the left half and pressing A continues, on the right half declines.
void continuePrompt(PlayerStep& s) {
  s.pos[0] = clampTo(s.pos[0] + s.vx, -PromptHalfWidth, PromptHalfWidth);
  s.pos[1] = Ground;
  if (s.c > ContinueGuard && s.a && s.pos[0] < 0.0) acceptContinue(s);
  queueWithShadow(s, Ground, 0.0, PromptSlot);
  if (s.c > ContinueTimeOut || (s.a && s.pos[0] > 0.0)) {
    enter(s, PlayerState::GameOver);
    playSound(Sound::GameOver);
  }
}

void gameOver(PlayerStep& s) {
  s.pos[1] = Ground;
  setFade(s.c);
  if (s.c > GameOverFrames) s.clock = -1;
}

void runState(PlayerStep& s) {
  using namespace PlayerState;
  switch (s.state) {
    case Flying: flying(s); break;
    case Recovering: recovering(s); break;
    case Arriving: flightTail(s); break;
    case StageClear: clearing(s); break;
    case Dash: dash(s); break;
    case Falling: falling(s); break;
    case Crashed: crashed(s); break;
    case ContinuePrompt: continuePrompt(s); break;
    case GameOver: gameOver(s); break;
    case AllStagesClear: clearing(s); break;
    default: break;
  }
}

void writeBack(const PlayerStep& s) {
  for (int i = 0; i < 3; ++i) ThePlayer.pos[i] = s.pos[i];
  Game.playerStateCopy = s.state;
  ThePlayer.counter = s.c;
  ThePlayer.event = PlayerEvent::None;
  ThePlayer.state = s.state;
}

// A shot from just below the player, with its muzzle flash; holding A re-arms for 15 frames.
void fire(const PlayerStep& s) {
  double x = ThePlayer.pos[0], y = ThePlayer.pos[1] + 20.0, z = ThePlayer.pos[2] + 32.0;
  drawPolygon(x, y, z, 64.0, 64.0, 0.0, FlashColour, 12);
  fireShot(x, y, z);
  Game.difficulty += ShotDifficulty;
  FireTimer = s.a ? RefireFrames : 0;
}

// The demo fires every 16th frame whatever it does; otherwise A fires while flying,
// at once on a press and then as the fire timer runs out.
void shotTrigger(const PlayerStep& s, int32_t demo) {
  if (demo != 0 && (s.c & DemoFireMask) == 0) {
    fire(s);
  } else if (!s.a) {
    FireTimer = 0;
  } else if (FireTimer >= 1 || s.state >= PlayerState::StageClear) {
    FireTimer = saturatingAdd(FireTimer, -1);
  } else {
    fire(s);
  }
}
}  // namespace

int32_t updatePlayer(int32_t clock, int32_t demo) {
  PlayerStep s{};
  s.clock = clock;
  s.a = buttonAHeld();
  s.b = buttonBHeld();
  readVelocity(s, demo);
  s.state = ThePlayer.state;
  s.c = wrappingAdd(ThePlayer.counter, 1);
  s.event = ThePlayer.event;
  for (int i = 0; i < 3; ++i) s.pos[i] = ThePlayer.pos[i];
  runState(s);
  writeBack(s);
  shotTrigger(s, demo);
  return s.clock;
}
