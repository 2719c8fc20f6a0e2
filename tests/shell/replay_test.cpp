// The replay coding: what a recorder notes, a file carries and a player gives back, at
// the boundaries of its runs, its numbers and its buffer; and the files it refuses.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "shell/replay_file.h"
#include "shell/replay_player.h"
#include "shell/replay_recorder.h"

namespace {
uint64_t FakeState = 0;
uint64_t fakeDigest() { return FakeState; }
int32_t fakeScore() { return int32_t(FakeState % 1000); }
constexpr ReplayProbe Probe = {fakeDigest, fakeScore};

ReplayRecorder recorder(size_t capacity = 1 << 16, int32_t digests = 64) {
  return ReplayRecorder(capacity, digests, Probe);
}

std::vector<uint8_t> fileOf(const ReplayRecorder& r) {
  ReplayFacts facts;
  setGameVersion(facts.gameVersion);
  facts.preferences[7] = 42;
  return encodeReplay(facts, r, r.mark());
}

Replay parsed(const std::vector<uint8_t>& file) {
  Replay replay;
  std::string why;
  EXPECT_EQ(parseReplay(file.data(), file.size(), replay, why), ReplayProblem::None) << why;
  return replay;
}

// Frame f holds the direction f % 9, so that no two frames in a row are alike.
void recordDistinctFrames(ReplayRecorder& r, int32_t frames) {
  r.endFrame();  // an entry without answers
  for (int32_t f = 0; f < frames; ++f) {
    r.note(Answer::Direction, f % 9);
    r.endFrame();
  }
}
}  // namespace

TEST(ReplayCoding, EveryKindOfAnswerComesBackInItsOrderAcrossRunsOfFramesAndRepeats) {
  ReplayRecorder r = recorder();
  r.note(Answer::Tick, 5);
  r.note(Answer::ChannelClock, 100000);
  r.endFrame();
  // A release wait that spun a million times, then 1000 frames alike, then a lone one.
  for (int i = 0; i < 1000000; ++i) r.note(Answer::Start, 1);
  r.note(Answer::Start, 0);
  r.endFrame();
  for (int f = 0; f < 1000; ++f) {
    r.note(Answer::Direction, 8);
    r.note(Answer::ButtonA, 1);
    r.note(Answer::Tick, 5);  // steps of 0
    r.endFrame();
  }
  const int32_t ticks[] = {19, 4, INT32_MAX, INT32_MIN, -1, 200};  // steps across varint sizes
  for (int32_t t : ticks) r.note(Answer::Tick, t);
  r.noteDate({126, 11, 31});
  r.note(Answer::ChannelClock, -7);
  r.note(Answer::KeyHeld, 1);
  r.note(Answer::Escape, 1);
  r.endFrame();
  EXPECT_EQ(r.frames(), 1002);
  EXPECT_LT(r.bytesUsed(), 64u) << "repeats and alike frames are stored once";

  Replay replay = parsed(fileOf(r));
  EXPECT_EQ(replay.frameCount, 1002);
  EXPECT_EQ(replay.facts.preferences[7], 42);
  ReplayPlayer p(replay);
  EXPECT_EQ(p.answer(Answer::Tick), 5);
  EXPECT_EQ(p.answer(Answer::ChannelClock), 100000);
  p.endFrame();
  int held = 0;
  while (p.answer(Answer::Start) == 1 && held <= 1000000) ++held;
  EXPECT_EQ(held, 1000000);
  p.endFrame();
  for (int f = 0; f < 1000; ++f) {
    ASSERT_EQ(p.answer(Answer::Direction), 8) << f;
    ASSERT_EQ(p.answer(Answer::ButtonA), 1) << f;
    ASSERT_EQ(p.answer(Answer::Tick), 5) << f;
    p.endFrame();
  }
  for (int32_t t : ticks) EXPECT_EQ(p.answer(Answer::Tick), t);
  CalendarDate d = p.date();
  EXPECT_EQ(d.yearsSince1900 * 10000 + d.monthIndex * 100 + d.day, 1261131);
  EXPECT_EQ(p.answer(Answer::ChannelClock), -7);
  EXPECT_EQ(p.answer(Answer::KeyHeld), 1);
  EXPECT_EQ(p.answer(Answer::Escape), 1);
  p.endFrame();
  EXPECT_EQ(p.divergedAt(), -1);
}

// A frame drawn in the recording and not in the playback asks the clock once less, and
// the other way round; any other answer out of turn is where the playback diverged.
TEST(ReplayCoding, TheClockIsLenientAndEveryOtherAnswerStrict) {
  ReplayRecorder r = recorder();
  r.endFrame();
  for (int f = 0; f < 3; ++f) {
    r.note(Answer::Tick, f + 1);
    r.note(Answer::Tick, f + 1);
    r.note(Answer::Escape, 0);
    r.endFrame();
  }
  r.note(Answer::ButtonA, 1);
  r.endFrame();
  Replay replay = parsed(fileOf(r));
  ReplayPlayer p(replay);
  p.endFrame();
  EXPECT_EQ(p.answer(Answer::Tick), 1);
  EXPECT_EQ(p.answer(Answer::Escape), 0);
  p.endFrame();
  EXPECT_EQ(p.answer(Answer::Tick), 2);
  EXPECT_EQ(p.answer(Answer::Tick), 2);
  EXPECT_EQ(p.answer(Answer::Tick), 2);  // not recorded: the last time again
  EXPECT_EQ(p.answer(Answer::Escape), 0);
  p.endFrame();
  EXPECT_EQ(p.answer(Answer::Escape), 0);  // its clock passed over, still counted
  p.endFrame();
  EXPECT_EQ(p.answer(Answer::Tick), 3);
  EXPECT_EQ(p.divergedAt(), -1);
  EXPECT_EQ(p.answer(Answer::ButtonB), 0) << "B was never recorded: nothing held";
  EXPECT_EQ(p.divergedAt(), 3);
}

TEST(ReplayCoding, AFrameLeftUnaskedIsWhereThePlaybackDiverged) {
  ReplayRecorder r = recorder();
  r.endFrame();
  r.note(Answer::ButtonA, 1);
  r.endFrame();
  r.endFrame();
  Replay replay = parsed(fileOf(r));
  ReplayPlayer p(replay);
  p.endFrame();
  p.endFrame();
  EXPECT_EQ(p.divergedAt(), 0);
}

// 1 byte of entry (its End) and 2 a frame (the direction and the End).
TEST(ReplayCoding, ABufferFilledExactlyHoldsEveryFrameAndOneByteLessCutsItShort) {
  ReplayRecorder whole = recorder(1 + 2 * 50);
  recordDistinctFrames(whole, 50);
  EXPECT_FALSE(whole.cutShort());
  EXPECT_EQ(whole.frames(), 50);
  EXPECT_EQ(whole.bytesUsed(), 101u);

  ReplayRecorder tight = recorder(2 * 50);
  recordDistinctFrames(tight, 50);
  EXPECT_TRUE(tight.cutShort());
  EXPECT_FALSE(tight.recording());
  // Back to the last frame with a stored digest: here the entry.
  Replay replay = parsed(fileOf(tight));
  EXPECT_TRUE(replay.cutShort);
  EXPECT_EQ(replay.frameCount, 0);
}

TEST(ReplayCoding, ACutGoesBackToTheLastStoredDigestWithItsStateAndStopsThere) {
  ReplayRecorder r = recorder(1 << 16, 1);  // room for one digest
  r.endFrame();
  for (int32_t f = 0; f < 1300; ++f) {
    FakeState = uint64_t(f) * 7919;
    r.note(Answer::Direction, f % 9);
    r.endFrame();
  }
  EXPECT_TRUE(r.cutShort());
  Replay replay = parsed(fileOf(r));
  EXPECT_EQ(replay.frameCount, ReplayRecorder::DigestEvery);
  ASSERT_EQ(replay.digests.size(), 1u);
  EXPECT_EQ(replay.digests[0], 599u * 7919);
  EXPECT_EQ(replay.finalDigest, 599u * 7919);
  EXPECT_EQ(replay.finalScore, int32_t(599u * 7919 % 1000));
}

// A mark taken at the end of a frame still writes that frame's replay after the
// recording has gone on and counted more frames into the same group.
TEST(ReplayCoding, AMarkWritesTheRecordingAsItWasAtItsFrame) {
  ReplayRecorder r = recorder();
  r.endFrame();
  for (int f = 0; f < 10; ++f) {
    r.note(Answer::ButtonA, 1);
    r.endFrame();
  }
  ReplayMark at10 = r.mark();
  for (int f = 0; f < 10; ++f) {
    r.note(Answer::ButtonA, 1);
    r.endFrame();
  }
  ReplayFacts facts;
  setGameVersion(facts.gameVersion);
  Replay replay = parsed(encodeReplay(facts, r, at10));
  EXPECT_EQ(replay.frameCount, 10);
  EXPECT_EQ(parsed(fileOf(r)).frameCount, 20);
}

TEST(ReplayFile, ACutFlippedOrForeignFileIsRefused) {
  ReplayRecorder r = recorder();
  recordDistinctFrames(r, 1300);
  std::vector<uint8_t> file = fileOf(r);
  Replay replay;
  std::string why;
  for (size_t n = 0; n < file.size(); ++n) {
    ASSERT_NE(parseReplay(file.data(), n, replay, why), ReplayProblem::None) << "cut to " << n;
  }
  for (size_t i = 0; i < file.size(); ++i) {
    std::vector<uint8_t> flipped = file;
    flipped[i] ^= 0x10;
    ASSERT_NE(parseReplay(flipped.data(), flipped.size(), replay, why), ReplayProblem::None)
        << "byte " << i;
  }
  std::vector<uint8_t> text(file.size(), 'x');
  EXPECT_EQ(parseReplay(text.data(), text.size(), replay, why), ReplayProblem::NotAReplay);
  std::vector<uint8_t> later = file;
  later[8] = 2;
  EXPECT_EQ(parseReplay(later.data(), later.size(), replay, why), ReplayProblem::OtherFormat);

  ReplayFacts older;
  std::strcpy(older.gameVersion, "0.9.0");
  std::vector<uint8_t> old = encodeReplay(older, r, r.mark());
  EXPECT_EQ(parseReplay(old.data(), old.size(), replay, why), ReplayProblem::OtherVersion);
  EXPECT_NE(why.find("0.9.0"), std::string::npos) << why;
}

// A file whose checksum is right but whose parts do not fit (as a faulty writer could
// make) is refused too: a mark claiming more frames than its groups hold.
TEST(ReplayFile, FramesThatDoNotAddUpAreDamage) {
  ReplayRecorder r = recorder();
  recordDistinctFrames(r, 20);
  ReplayMark m = r.mark();
  ++m.frames;
  ReplayFacts facts;
  setGameVersion(facts.gameVersion);
  std::vector<uint8_t> file = encodeReplay(facts, r, m);
  Replay replay;
  std::string why;
  EXPECT_EQ(parseReplay(file.data(), file.size(), replay, why), ReplayProblem::Damaged);
}
