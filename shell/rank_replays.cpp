#include "shell/rank_replays.h"

RankReplayPlan::RankReplayPlan() {
  for (int32_t j = 0; j < RankReplayEntries; ++j) {
    sources_[j].kind = RankReplaySource::OldFile;
    sources_[j].oldEntry = j;
  }
}

void RankReplayPlan::ranked(int32_t entry, const ReplayMark& mark) {
  if (entry < 0 || entry >= RankReplayEntries) return;
  // As insertScore moves the entries: from entry 7 up to the new one, each takes the one
  // above it; entry 8 is no part of that run.
  for (int32_t k = RankedEntries - 1; k > entry; --k) sources_[k] = sources_[k - 1];
  RankReplaySource& s = sources_[entry];
  s = RankReplaySource{};
  if (mark.cutShort) return;
  s.kind = RankReplaySource::Mark;
  s.mark = mark;
}

bool RankReplayPlan::changed(int32_t entry) const {
  const RankReplaySource& s = sources_[entry];
  return s.kind != RankReplaySource::OldFile || s.oldEntry != entry;
}
