#pragma once
#include <cstdint>

#include "game/game_mode.h"

// The attract cycle's own state, stepped once a frame in the Title mode.
struct TitleScreenState {
  int32_t phase;
  int32_t timer;        // frames in the current phase; some phases restart it
  int32_t demoCounter;  // the next demo plays stage (counter AND 3)
  int32_t pictureSlot;  // the title picture of this cycle, 224 or 226
  int32_t logoSlot;     // its logo: 229 with picture 224, 227 with 226
};
extern TitleScreenState TitleScreen;
void resetTitleScreen();

// The phases of the attract cycle, in the order they run; the mode machine enters some by
// the entry value of titleStep. After a game the cycle joins at AfterGame.
namespace TitlePhase {
constexpr int32_t StopMusic = 0;
constexpr int32_t FirstPhase = StopMusic;
constexpr int32_t Picture = 1;
constexpr int32_t SoundLogo = 2;
constexpr int32_t SpinLogo = 3;
constexpr int32_t PressStart = 4;
constexpr int32_t StartDemo = 5;
constexpr int32_t Demo = 6;
constexpr int32_t EndDemo = 7;
constexpr int32_t RankingPicture = 8;
constexpr int32_t Ranking = 9;
constexpr int32_t ChoosePictures = 10;
constexpr int32_t AfterGame = 20;
constexpr int32_t CoinBonus = 21;
}  // namespace TitlePhase

// One step of the title and attract cycle. An entry below 1 enters phase -entry and
// answers Title at once; otherwise one step of the phase runs, answering Title, or
// NewGame once START is pressed on the title.
GameMode titleStep(int32_t entry);

// The picture in a texture slot over the whole view, tinted by colour, drawn at once.
void drawFullScreenPicture(int32_t slot, const double* colour);
