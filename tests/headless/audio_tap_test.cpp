// What the trace and the digest take from the audio log.
#include "tools/headless/audio_tap.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/audio.h"
#include "shell/state_digest.h"

namespace {
void logged(AudioEvent event, int32_t value) {
  AudioLog& log = TheAudioLog;
  log.entries[log.total % AudioLogSize] = {event, value, -1};
  ++log.total;
  if (log.count < AudioLogSize) ++log.count;
}

std::string audioKeys(int32_t& seen) {
  std::FILE* f = std::tmpfile();
  writeAudioSince(f, seen);
  std::string text(size_t(std::ftell(f)), '\0');
  std::rewind(f);
  EXPECT_EQ(std::fread(text.data(), 1, text.size(), f), text.size());
  std::fclose(f);
  return text;
}
}  // namespace

TEST(AudioTap, AFrameListsOnlyWhatWasLoggedSinceThePreviousLine) {
  clearAudioLog();
  logged(AudioEvent::EffectStarted, 22);
  int32_t seen = audioLogTotal();
  logged(AudioEvent::EffectStarted, 0);
  logged(AudioEvent::ChannelCut, 16);
  logged(AudioEvent::EffectStarted, 16);
  logged(AudioEvent::Command, 3);
  logged(AudioEvent::TrackLoaded, 1);
  logged(AudioEvent::EffectDropped, 8);
  EXPECT_EQ(audioKeys(seen), ",\"sfx\":[0,16],\"mus\":[3],\"trk\":[1],\"lost\":0");
  EXPECT_EQ(seen, 7);
  EXPECT_EQ(audioKeys(seen), ",\"sfx\":[],\"mus\":[],\"trk\":[],\"lost\":0");
}

TEST(AudioTap, EntriesThatRolledOffTheLogAreCountedAsLost) {
  clearAudioLog();
  int32_t seen = 0;
  for (int i = 0; i < AudioLogSize + 10; ++i) logged(AudioEvent::Command, i < 10 ? 1 : 2);
  std::string held;
  for (int i = 0; i < AudioLogSize; ++i) held += i ? ",2" : "2";
  EXPECT_EQ(audioKeys(seen), ",\"sfx\":[],\"mus\":[" + held + "],\"trk\":[],\"lost\":10");
  EXPECT_EQ(seen, AudioLogSize + 10);
}

TEST(AudioTap, TheDigestCountsTheLoggedTotal) {
  clearAudioLog();
  uint64_t before = stateDigest();
  logged(AudioEvent::EffectStarted, 5);
  EXPECT_NE(stateDigest(), before);
}
