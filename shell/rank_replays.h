#pragma once
#include <cstdint>

#include "screens/ranking.h"
#include "shell/replay_recorder.h"

// The replay of each ranking entry 0 to 8 over a session, in step with the ranking: where
// it comes from when the session ends. A ranked game's replay is the session up to the
// frame it was ranked on (a mark); when its score enters the ranking the replays of the
// entries below move down with their entries (insertScore), entry 7's is dropped.
constexpr int32_t RankReplayEntries = UnrankedEntry + 1;

struct RankReplaySource {
  enum Kind : uint8_t { None, OldFile, Mark };
  Kind kind = None;
  int32_t oldEntry = -1;  // OldFile: the entry whose file it was at the start
  ReplayMark mark;        // Mark: the session up to its game's ranking
};

class RankReplayPlan {
 public:
  // Every entry keeps the file it has.
  RankReplayPlan();
  // A game of the session took the entry (insertScore's answer); its replay ends at the
  // mark. A mark of a recording already cut short is no replay of the game: none.
  void ranked(int32_t entry, const ReplayMark& mark);
  const RankReplaySource& source(int32_t entry) const { return sources_[entry]; }
  // Whether the entry's file must be replaced or removed at the end.
  bool changed(int32_t entry) const;

 private:
  RankReplaySource sources_[RankReplayEntries];
};
