#include "screens/hud.h"

#include <algorithm>
#include <cstring>

#include "game/game_state.h"
#include "game/geometry.h"
#include "game/player.h"
#include "render/text.h"
#include "screens/captions.h"
#include "screens/format_digits.h"
#include "screens/text_colours.h"
#include "shell/clock.h"

namespace {
using namespace TextColour;

constexpr double Depth = TextDepth;  // the overlay plane: x -160..160, y 120..360
constexpr double SmallSize = 4.0;
constexpr double LargeSize = 8.0;

OverlayLineWatcher Watcher = nullptr;

void drawLine(bool large, double x, double y, double z, double size, const double* colour,
              const char* text) {
  if (Watcher) Watcher({text, x, y, z, size, colour, large});
  if (large) {
    drawLargeText(x, y, z, size, colour, text);
  } else {
    drawSmallText(x, y, z, size, colour, text);
  }
}
void smallLine(double x, double y, double size, const double* colour, const char* text) {
  drawLine(false, x, y, Depth, size, colour, text);
}
void largeLine(double x, double y, const double* colour, const char* text) {
  drawLine(true, x, y, Depth, LargeSize, colour, text);
}

// --- frame-rate readout ---

constexpr int32_t ReadoutPeriod = 60;  // ticks between updates
struct FrameRateReadout {
  char text[8];
  int32_t drawnFrames;  // readout calls since the last update
  int32_t nextUpdate;   // tick
};
FrameRateReadout Readout = {"000", 0, 0};

// --- heads-up display ---

constexpr int32_t MaxLifeIcons = 16;
constexpr char LifeIcon = char(0x8A);

// "LEFT " and one icon for each life after the one in play; "LEFT" alone with none left.
void formatLives(int32_t lives, char* line) {
  std::memcpy(line, "LEFT ", 6);
  if (lives <= 0) {
    line[4] = '\0';
    return;
  }
  int32_t icons = std::min(lives - 1, MaxLifeIcons);
  std::memset(line + 5, LifeIcon, size_t(icons));
  line[5 + icons] = '\0';
}

// Two digits only: a hundred coins or more show 9 tens.
void formatCoins(int32_t coins, char* line) {
  std::memcpy(line, "COIN 00", 8);
  line[5] = char('0' + (coins > 99 ? 9 : coins / 10));
  line[6] = char('0' + coins % 10);
}

void drawPlayLines() {
  char score[16] = "SCORE ";
  formatDigits(Game.score, score + 6, 8);
  smallLine(-64, 128, SmallSize, Cyan, score);
  char level[8] = "Lv.";
  formatDigits(Game.level, level + 3, 2);
  smallLine(120, 128, SmallSize, Green, level);
  char lives[6 + MaxLifeIcons];
  formatLives(Game.lives, lives);
  smallLine(-144, 352, SmallSize, Green, lives);
}

void drawCoinLine() {
  char coins[8];
  formatCoins(CoinCount, coins);
  smallLine(-24, 352, SmallSize, White, coins);
}

// --- stage captions ---

constexpr int32_t CaptionFrames = 300;

struct MessageLine {
  double x, y;
  const char* text;
};
const MessageLine AllClearMessage[] = {
    {-128, 192, " You had brokenthrough all stage."},
    {-128, 208, "    But,battle is not over."},
    {-128, 224, " Let's try to play special game!"},
};

void drawStageTitle(int32_t clock) {
  if (clock >= CaptionFrames) return;
  // The stage number indexes the table; anything outside it has no caption.
  if (Game.stage < 0 || Game.stage >= StageCount) return;
  const StageCaption& caption = StageCaptions[Game.stage];
  largeLine(-96, 188, White, caption.title);
  largeLine(-92, 216, Yellow, caption.subtitle);
}

void drawGameOver() { largeLine(-72, 216, Red, "Game over!"); }

// The choice under the player is drawn large: "Yes" on the left half, "No" on the right.
void drawContinuePrompt(double playerX) {
  bool yes = playerX < 0;
  largeLine(-112, 188, Grey, "Please continue!");
  smallLine(-56, 216, yes ? LargeSize : SmallSize, Cyan, "Yes");
  smallLine(40, 216, yes ? SmallSize : LargeSize, Orange, "No");
}

void drawAllClear(int32_t clock) {
  if (clock > 360 && clock < 1500) {
    largeLine(-152, 160, Yellow, "  Congraturations!");
    for (const MessageLine& line : AllClearMessage) {
      smallLine(line.x, line.y, SmallSize, Cyan, line.text);
    }
  } else if (clock > 1560 && clock < 1760) {
    largeLine(-152, 208, Cyan, "  Advanced mission");
  }
}
}  // namespace

void drawStageCaptions() {
  switch (Game.playerStateCopy) {
    case PlayerState::Flying: drawStageTitle(Game.stageClock); break;
    case PlayerState::Crashed:
    case PlayerState::GameOver: drawGameOver(); break;
    case PlayerState::ContinuePrompt: drawContinuePrompt(ThePlayer.pos[0]); break;
    case PlayerState::AllStagesClear: drawAllClear(Game.stageClock); break;
    default: break;
  }
}

void drawFrameRate(double x, double y, double z) {
  int32_t now = tick();
  if (now >= Readout.nextUpdate) {
    formatDigits(Readout.drawnFrames, Readout.text, 2);
    std::memcpy(Readout.text + 2, "fps", 4);
    Readout.drawnFrames = 0;
    Readout.nextUpdate = saturatingAdd(now, ReadoutPeriod);
  }
  Readout.drawnFrames = wrappingAdd(Readout.drawnFrames, 1);
  drawLine(false, x, y, z, SmallSize, Red, Readout.text);
}

void drawHud(GameMode mode) {
  if (mode == Mode::Pause) {
    smallLine(-40, 192, LargeSize, Grey, "PAUSE");
    return;
  }
  if (mode == Mode::Play) drawPlayLines();
  drawCoinLine();
}

void resetFrameRate() { Readout = {"000", 0, 0}; }

void watchOverlayLines(OverlayLineWatcher watcher) { Watcher = watcher; }
