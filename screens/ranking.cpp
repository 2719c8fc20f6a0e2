#include "screens/ranking.h"

#include <cstring>

#include "screens/format_digits.h"
#include "shell/calendar.h"

int32_t HighlightedRank = 0;

namespace {
int32_t positionFor(int32_t score) {
  for (int32_t p = 0; p < RankedEntries; ++p) {
    if (rankScore(p) <= score) return p;
  }
  return UnrankedEntry;
}

// The whole 32-byte field moves, so a text without its NUL moves intact and alone.
void moveEntryDown(int32_t from) {
  setRankScore(from + 1, rankScore(from));
  std::memcpy(rankText(from + 1), rankText(from), RankTextSize);
}
}  // namespace

int32_t insertScore(int32_t score) {
  if (!rankingHeld()) return UnrankedEntry;
  int32_t p = positionFor(score);
  // The old entry 7 falls off the end; entry 8 is not part of the ranked run.
  for (int32_t k = RankedEntries - 1; k > p; --k) moveEntryDown(k - 1);
  setRankScore(p, score);
  stampDate(rankText(p));
  return p;
}

void rankFinishedGame(int32_t score) { HighlightedRank = insertScore(score); }

void stampDate(char* text) {
  CalendarDate d = localDate();
  formatDigits(d.yearsSince1900 % 100, text, 2);
  text[2] = '/';
  formatDigits(d.monthIndex + 1, text + 3, 2);
  text[5] = '/';
  formatDigits(d.day, text + 6, 2);
}

void copyRankText(int32_t entry, char (&out)[RankTextSize + 1]) {
  std::memcpy(out, rankText(entry), RankTextSize);
  out[RankTextSize] = '\0';
}
