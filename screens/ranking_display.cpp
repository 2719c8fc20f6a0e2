#include "screens/ranking_display.h"

#include "render/text.h"
#include "screens/format_digits.h"
#include "screens/ranking.h"
#include "screens/text_colours.h"
#include "screens/title.h"

namespace {
constexpr int32_t ShownEntries = UnrankedEntry + 1;  // the eight ranked and the one below
constexpr int32_t ScoreDigits = 9;
constexpr int32_t SlideFrames = 240;
using TextColour::Cyan;
using TextColour::Green;
using TextColour::Red;
using TextColour::Yellow;
const double DimGrey[4] = {0.2, 0.2, 0.2, 1.0};

// The score column and character size of each line: the ninth is smaller.
struct RankLine {
  double scoreX, size;
};
const RankLine RankLines[ShownEntries] = {
    {-136.0, 8.0}, {-136.0, 8.0}, {-136.0, 8.0}, {-136.0, 8.0}, {-136.0, 8.0},
    {-136.0, 8.0}, {-136.0, 8.0}, {-136.0, 8.0}, {-104.0, 6.0},
};

int32_t drawRankEntry(int32_t i, double y) {
  const RankLine& line = RankLines[i];
  char score[ScoreDigits + 1];
  formatDigits(rankScore(i), score, ScoreDigits);
  char text[RankTextSize + 1];
  copyRankText(i, text);
  const double* colour = i == HighlightedRank ? Red : Yellow;
  return drawSmallText(line.scoreX, y, TextDepth, line.size, colour, score) +
         drawSmallText(24.0, y, TextDepth, line.size, Green, text);
}
}  // namespace

int32_t drawRankingTable(int32_t t) {
  drawFullScreenPicture(RankingPictureSlot, DimGrey);
  double s = t <= SlideFrames ? 360.0 - t : 120.0;
  int32_t drawn = drawLargeText(-48.0, s + 24.0, TextDepth, 8.0, Cyan, "RANKING");
  for (int32_t i = 0; i < ShownEntries; ++i) drawn += drawRankEntry(i, s + 20.0 * i + 56.0);
  return drawn;
}
