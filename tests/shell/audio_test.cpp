#include "shell/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "shell/clock.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wav.h"

namespace {
// A clock that stands still unless a test moves it.
uint32_t TestMs = 0;
uint32_t testTicks() { return TestMs; }
void testDelay(uint32_t ms) { TestMs += ms; }

// Opens the dummy audio device with every effect file but the ones named missing.
class Audio : public ::testing::Test {
 protected:
  TempFolder dir;
  std::string printed;
  bool opened = false;
  void open(std::initializer_list<int> missing = {}) {
    std::vector<unsigned char> tone = toneWav(3.0);
    for (int n = 1000; n <= 1030; ++n) {
      if (std::find(missing.begin(), missing.end(), n) != missing.end()) continue;
      dir.write("resources/s" + std::to_string(n) + ".aif", tone);
    }
    TestMs = 1000;
    setClockSource({testTicks, testDelay});
    StdoutCapture out;
    openAudioAndLoadEffects();
    opened = true;
    printed = out.finish();
    MusicSwitch = 1;
    clearAudioLog();
  }
  // Closing a device that is not open would reach into the mixer's freed channels.
  void TearDown() override {
    if (opened) closeAudio();
    useSdlClock();
  }
  std::vector<AudioLogEntry> log() {
    std::vector<AudioLogEntry> out;
    for (int i = 0; i < TheAudioLog.count; ++i) out.push_back(audioLogEntry(i));
    return out;
  }
};
}  // namespace

TEST_F(Audio, OpeningReportsTheDeviceAndLoadsAllEffects) {
  open();
  EXPECT_EQ(printed, "Opened audio at 44100 Hz 16 bit stereo, 512 bytes audio buffer\n");
  for (int n = 0; n < EffectCount; ++n) EXPECT_TRUE(effectLoaded(n)) << n;
}

TEST_F(Audio, AMissingEffectFileKeepsTheNumbersOfTheOthers) {
  open({1005});
  EXPECT_NE(printed.find("Mix_LoadWAVError:5 "), std::string::npos) << printed;
  EXPECT_EQ(printed.find("Mix_LoadWAVError:6"), std::string::npos);
  EXPECT_FALSE(effectLoaded(5));
  EXPECT_TRUE(effectLoaded(6));
  EXPECT_TRUE(effectLoaded(30));
  EXPECT_EQ(playEffect(5), 0);  // an empty entry plays nothing
  EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(Audio, TwoEffectsInOneFrameTakeTheTwoLowestIdleChannels) {
  open();
  EXPECT_EQ(playEffect(3), 1);
  EXPECT_EQ(playEffect(7), 1);
  auto entries = log();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].channel, 0);
  EXPECT_EQ(entries[1].channel, 1);
  TestMs += 2999;  // the three-second tones still play
  EXPECT_EQ(playEffect(8), 1);
  EXPECT_EQ(audioLogEntry(2).channel, 2);
}

TEST_F(Audio, AChannelIsFreeAgainWhenItsEffectHasPlayedByTheClock) {
  open();
  ASSERT_EQ(playEffect(3), 1);
  ASSERT_EQ(playEffect(7), 1);
  TestMs += 3000;  // both tones are over by the clock, whatever the device did meanwhile
  EXPECT_EQ(playEffect(8), 1);
  EXPECT_EQ(audioLogEntry(2).channel, 0);
}

TEST_F(Audio, WithAllEightChannelsBusyAnEffectIsDroppedUnlessItMayCutOne) {
  open();
  for (int i = 0; i < MixChannels; ++i) ASSERT_EQ(playEffect(i), 1);
  EXPECT_EQ(playEffect(11), 0);
  EXPECT_EQ(Mix_Playing(-1), 8);
  clearAudioLog();
  EXPECT_EQ(playEffectElseCutChannel(25, 3), 1);
  auto entries = log();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].event, AudioEvent::EffectDropped);
  EXPECT_EQ(entries[1].event, AudioEvent::ChannelCut);
  EXPECT_EQ(entries[1].channel, 3);
  EXPECT_EQ(entries[2].event, AudioEvent::EffectStarted);
  EXPECT_EQ(entries[2].value, 25);
  EXPECT_EQ(entries[2].channel, 3);
  EXPECT_EQ(Mix_Playing(3), 1);
}

TEST_F(Audio, EffectNumbersAndChannelsOutOfRangeAreIgnored) {
  open();
  EXPECT_EQ(playEffect(31), 0);
  EXPECT_EQ(playEffect(-1), 0);
  for (int i = 0; i < MixChannels; ++i) playEffect(i);
  EXPECT_EQ(playEffectElseCutChannel(2, 8), 0);
  EXPECT_EQ(playEffectElseCutChannel(2, -1), 0);
  EXPECT_EQ(playEffectElseCutChannel(99, 1), 0);
}

TEST_F(Audio, AMissingTrackIsReportedAndPlayingItFailsAloud) {
  open();
  StdoutCapture out;
  loadMusicTrack("resources/none.ogg");
  musicCommand(MusicCommand::Play);
  std::string text = out.finish();
  EXPECT_EQ(text.rfind("Mix_LoadMUSError (\"resources/none.ogg\")Mix_PlayMusicError(0x", 0), 0u)
      << text;
  EXPECT_EQ(text.back(), ')');
  EXPECT_FALSE(musicLoaded());
}

namespace {
// A format's signature followed by noise, so that the decoder gets past its format check.
std::vector<unsigned char> garbled(const std::string& signature) {
  std::vector<unsigned char> bytes(signature.begin(), signature.end());
  for (int i = 0; i < 8192; ++i) bytes.push_back(static_cast<unsigned char>(i * 151 + 7));
  return bytes;
}
}  // namespace

TEST_F(Audio, EmptyAndGarbledEffectFilesAreReportedAndSkippedLikeMissingOnes) {
  dir.write("resources/s1002.aif", {});
  dir.write("resources/s1003.aif", garbled("FORM\x00\x00\x20\x00AIFFCOMM"));
  open({1002, 1003});
  EXPECT_NE(printed.find("Mix_LoadWAVError:2 "), std::string::npos) << printed;
  EXPECT_NE(printed.find("Mix_LoadWAVError:3 "), std::string::npos) << printed;
  EXPECT_FALSE(effectLoaded(2));
  EXPECT_FALSE(effectLoaded(3));
  EXPECT_TRUE(effectLoaded(4));
  EXPECT_EQ(playEffect(3), 0);
  EXPECT_EQ(playEffect(4), 1);
}

// The OGG decoder refuses a spoilt file; the MP3 and MIDI ones may take one and play noise
// or silence. Either way the track starts and stops like any other and nothing breaks.
TEST_F(Audio, EmptyAndGarbledTracksOfEachFormatAreRefusedOrPlayedHarmlessly) {
  open();
  const std::pair<const char*, const char*> formats[] = {
      {"ogg", "OggS"}, {"mp3", "ID3\x03"}, {"mid", "MThd\x00\x00\x00\x06"}};
  for (const auto& [extension, signature] : formats) {
    for (bool empty : {true, false}) {
      std::string path = std::string("resources/spoilt.") + extension;
      dir.write(path, empty ? std::vector<unsigned char>{} : garbled(signature));
      StdoutCapture out;
      loadMusicTrack(path.c_str());
      bool refused = !musicLoaded();
      musicCommand(MusicCommand::Play);
      musicCommand(MusicCommand::Stop);
      std::string text = out.finish();
      EXPECT_EQ(text.rfind("Mix_LoadMUSError (\"" + path + "\")", 0) == 0, refused) << text;
      if (std::string(extension) == "ogg") {
        EXPECT_TRUE(refused) << path;
      }
      EXPECT_FALSE(musicLoaded()) << path;
      EXPECT_EQ(Mix_PlayingMusic(), 0) << path;
    }
  }
}

TEST_F(Audio, WithTheMusicSwitchOffNothingIsLoadedAndCommandsDoNothing) {
  open();
  MusicSwitch = 0;
  StdoutCapture out;
  loadMusicTrack("resources/none.ogg");
  for (int code = 1; code <= 5; ++code) musicCommand(code);
  EXPECT_EQ(out.finish(), "");
  EXPECT_EQ(TheAudioLog.count, 0);
  MusicSwitch = 1;
}

TEST_F(Audio, TrackPathsComeFromTheTableAndOnlyForTracksZeroToFifteen) {
  char path[64];
  ASSERT_TRUE(musicTrackPath(0, path, sizeof path));
  EXPECT_STREQ(path, "resources/");  // the empty entry
  ASSERT_TRUE(musicTrackPath(1, path, sizeof path));
  EXPECT_STREQ(path, "resources/BreakingNow.ogg");
  ASSERT_TRUE(musicTrackPath(15, path, sizeof path));
  EXPECT_STREQ(path, "resources/bgm07.mid");
  EXPECT_FALSE(musicTrackPath(16, path, sizeof path));
  EXPECT_FALSE(musicTrackPath(-3, path, sizeof path));
}
