#pragma once
#include <cstdint>

#include "screens/ranking_store.h"

// The ranking lives in the preferences image: entries 0 to 7 are the best scores, best
// first; entry 8 takes the score of a game that missed them; entry 9 is never written.
constexpr int32_t RankedEntries = 8;
constexpr int32_t UnrankedEntry = 8;

// The ranking entry shown highlighted: the finished game's, 0 until a game has ended in
// this run.
extern int32_t HighlightedRank;

// Inserts a finished game's score above any equal score among entries 0 to 7, else into
// entry 8, stamps it with today's date and answers its position (0 to 8).
int32_t insertScore(int32_t score);
// Inserts the score of the game just finished and highlights its entry.
void rankFinishedGame(int32_t score);

// Writes today's local date as "YY/MM/DD" and a NUL into text (9 bytes).
void stampDate(char* text);

// The text of a ranking entry as a string that always ends: a text field read from the
// file may fill its 32 bytes without a NUL, and nothing past the field is ever read.
void copyRankText(int32_t entry, char (&out)[RankTextSize + 1]);
