#include "screens/title.h"

#include "game/game_flow.h"
#include "game/game_state.h"
#include "game/geometry.h"
#include "game/sound_effects.h"
#include "render/quads.h"
#include "render/text.h"
#include "render/texture_upload.h"
#include "screens/ranking_display.h"
#include "screens/text_colours.h"
#include "shell/audio.h"
#include "shell/input.h"

TitleScreenState TitleScreen = {0, 0, 1, 224, 229};

namespace {
constexpr int32_t MainPicture = 224, MainLogo = 229;
constexpr int32_t AltPicture = 226, AltLogo = 227;
constexpr int32_t FirstCoinSlot = 28;  // two coins, then their second frame at 30 and 31

// Frame counts at which phases move on.
constexpr int32_t PictureFrames = 240;
constexpr int32_t LogoFrames = 360;
constexpr int32_t TitleUntil = 1000;
constexpr int32_t DemoUntil = 1500;  // counted twice a step: 750 frames
constexpr int32_t RankingPictureFrames = 60;
constexpr int32_t RankingUntil = 1000;
constexpr int32_t CoinFrame = 100;
constexpr int32_t CoinBonusEnd = 180;
constexpr int32_t CoinsWithoutBonus = 9;

using TextColour::Cyan;
using TextColour::White;
const double TitleGrey[4] = {0.3, 0.3, 0.3, 1.0};

TitleScreenState& T = TitleScreen;

void moveTo(int32_t phase) { T.phase = phase; }

void drawLogo(double z, double angle, const double* colour) {
  drawTexturedQuad(0.0, 144.0, z, 256.0, 128.0, angle, colour, textureForSlot(T.logoSlot));
}

void stopMusic(GameMode&) {
  musicCommand(MusicCommand::Stop);
  T.timer = 0;
  moveTo(TitlePhase::Picture);
}

void showPicture(GameMode&) {
  drawFullScreenPicture(T.pictureSlot, White);
  if (T.timer == PictureFrames) moveTo(TitlePhase::SoundLogo);
}

// The picture darkens evenly while the logo turns twice and comes forward, fading in.
void spinInLogo(GameMode&) {
  double t = T.timer;
  double a = (500.0 - t) * 2.0 * 0.001;
  const double picture[4] = {a, a, a, 1.0};
  drawFullScreenPicture(T.pictureSlot, picture);
  const double logo[4] = {1.0, 1.0, 1.0, 1.0 - (360.0 - t) * 2.0 * 0.001};
  drawLogo(t + 40.0, 2.0 * t, logo);
  if (T.timer == LogoFrames) moveTo(TitlePhase::PressStart);
}

void soundTheLogo(GameMode& result) {
  playEffect(T.pictureSlot == MainPicture ? Sound::TitleAppears : Sound::AltTitleAppears);
  T.timer = 0;
  moveTo(TitlePhase::SpinLogo);
  spinInLogo(result);
}

void waitForStart(GameMode& result) {
  drawFullScreenPicture(T.pictureSlot, TitleGrey);
  drawLogo(400.0, 0.0, White);
  if (T.timer & 32) drawSmallText(-40.0, 280.0, TextDepth, 4.0, White, "Press START ");
  drawLargeText(-24.0, 320.0, TextDepth, 8.0, Cyan, "MIRK");
  if (startHeld()) {
    result = Mode::NewGame;
    waitStartReleased();
  }
  if (T.timer == TitleUntil) moveTo(TitlePhase::StartDemo);
}

void startDemo(GameMode&) {
  T.timer = 0;
  startNewGame(T.demoCounter & 3);
  T.demoCounter = wrappingAdd(T.demoCounter, 1);
  moveTo(TitlePhase::Demo);
}

void playDemo(GameMode&) {
  ++T.timer;
  demoStep();
  if (T.timer == DemoUntil) moveTo(TitlePhase::EndDemo);
}

void endDemo(GameMode&) {
  T.timer = 0;
  moveTo(TitlePhase::RankingPicture);
}

void showRankingPicture(GameMode&) {
  drawFullScreenPicture(RankingPictureSlot, White);
  if (T.timer == RankingPictureFrames) moveTo(TitlePhase::Ranking);
}

void showRanking(GameMode&) {
  drawRankingTable(T.timer);
  if (T.timer == RankingUntil) moveTo(TitlePhase::ChoosePictures);
}

// Seven cycles in eight show the main picture.
void choosePictures(GameMode&) {
  T.timer = 0;
  bool main = (signedRandom() & 7) != 0;
  T.pictureSlot = main ? MainPicture : AltPicture;
  T.logoSlot = main ? MainLogo : AltLogo;
  moveTo(TitlePhase::FirstPhase);
}

void enterAfterGame(GameMode&) {
  T.timer = 0;
  moveTo(CoinCount >= CoinsWithoutBonus ? TitlePhase::EndDemo : TitlePhase::CoinBonus);
}

// A free coin for a player who is running short.
void grantCoin(GameMode&) {
  int32_t slot = FirstCoinSlot + (T.timer < CoinFrame ? 0 : 2);
  drawTexturedQuad(-32.0, 400.0, 240.0, 32.0, 32.0, 0.0, White, textureForSlot(slot));
  drawTexturedQuad(32.0, 400.0, 240.0, 32.0, 32.0, 0.0, White, textureForSlot(slot + 1));
  if (T.timer == CoinFrame) {
    playEffect(Sound::PickUpThrown);
    CoinCount = saturatingAdd(CoinCount, 1);
  }
  if (T.timer == CoinBonusEnd) moveTo(TitlePhase::EndDemo);
}

void restartCycle(GameMode&) {
  T.timer = 0;
  moveTo(TitlePhase::FirstPhase);
}

struct TitlePhaseRow {
  int32_t phase;
  void (*run)(GameMode& result);
};
const TitlePhaseRow TitlePhases[] = {
    {TitlePhase::StopMusic, stopMusic},                // -> Picture
    {TitlePhase::Picture, showPicture},                // -> SoundLogo at 240
    {TitlePhase::SoundLogo, soundTheLogo},             // -> SpinLogo, run at once
    {TitlePhase::SpinLogo, spinInLogo},                // -> PressStart at 360
    {TitlePhase::PressStart, waitForStart},            // -> StartDemo at 1000
    {TitlePhase::StartDemo, startDemo},                // -> Demo
    {TitlePhase::Demo, playDemo},                      // -> EndDemo at 1500
    {TitlePhase::EndDemo, endDemo},                    // -> RankingPicture
    {TitlePhase::RankingPicture, showRankingPicture},  // -> Ranking at 60
    {TitlePhase::Ranking, showRanking},                // -> ChoosePictures at 1000
    {TitlePhase::ChoosePictures, choosePictures},      // -> StopMusic
    {TitlePhase::AfterGame, enterAfterGame},           // -> EndDemo with 9 coins, else CoinBonus
    {TitlePhase::CoinBonus, grantCoin},                // -> EndDemo at 180
};

void runPhase(GameMode& result) {
  for (const TitlePhaseRow& row : TitlePhases) {
    if (row.phase == T.phase) return row.run(result);
  }
  restartCycle(result);
}
}  // namespace

void resetTitleScreen() { TitleScreen = {0, 0, 1, MainPicture, MainLogo}; }

void drawFullScreenPicture(int32_t slot, const double* colour) {
  drawTexturedQuad(0.0, 240.0, 480.0, 512.0, 512.0, 0.0, colour, textureForSlot(slot));
}

GameMode titleStep(int32_t entry) {
  if (entry < 1) {
    // Wraps for the lowest int32, which no phase has: that restarts the cycle.
    T.phase = int32_t(-int64_t(entry));
    return Mode::Title;
  }
  CameraFocus.y = 240.0;
  GameMode result = Mode::Title;
  runPhase(result);
  // START anywhere else comes back to the title, silenced; the timer runs on.
  if (startHeld() && T.phase != TitlePhase::PressStart) {
    musicCommand(MusicCommand::Stop);
    T.phase = TitlePhase::PressStart;
    waitStartReleased();
  }
  T.timer = wrappingAdd(T.timer, 1);
  return result;
}
