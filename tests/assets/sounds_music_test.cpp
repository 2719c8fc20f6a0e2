// The fifteen music tracks: they load the way the stage sequence loads them, last through
// the stretch of game they accompany, stay under the ceiling and end on silence.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "shell/audio.h"
#include "tests/assets/sounds_files.h"
#include "tests/support/temp_folder.h"

namespace {
constexpr double FrameSeconds = 0.017;

std::vector<std::string> trackFiles(int first, int last) {
  std::vector<std::string> files;
  for (int t = first; t <= last; ++t) files.push_back(MusicTrackFiles[t]);
  return files;
}

class MusicTracks : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(chdir(sounds::sourceDir().c_str()), 0);
    MusicSwitch = 1;
  }
  void TearDown() override {
    musicCommand(MusicCommand::Stop);
    Mix_CloseAudio();
    SDL_Quit();
  }
};

TEST_F(MusicTracks, EveryTrackLoadsAndPlaysThroughTheGamesOwnCalls) {
  openAudioAndLoadEffects();
  for (int t = 1; t < MusicTrackCount; ++t) {
    SCOPED_TRACE(MusicTrackFiles[t]);
    char path[256];
    ASSERT_TRUE(musicTrackPath(t, path, sizeof path));
    StdoutCapture out;
    loadMusicTrack(path);
    musicCommand(MusicCommand::Play);
    std::string printed = out.finish();
    EXPECT_TRUE(musicLoaded());
    EXPECT_EQ(printed, "");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    musicCommand(MusicCommand::Stop);
  }
}

// The longest stretch each built-in track must cover, in seconds of stage clock.
struct Stretch {
  int track;
  double seconds;
  const char* what;
};
const Stretch Stretches[] = {
    {1, std::max(120.0, 7100 * FrameSeconds),
     "stage 0 until the closing part's track at frame 7100"},
    {2, std::max(120.0, 8000 * FrameSeconds), "stage 1 until frame 8000"},
    {3, std::max(120.0, 7100 * FrameSeconds), "stage 2 until frame 7100"},
    {4, std::max(120.0, 6900 * FrameSeconds), "stage 3 until frame 6900"},
    {5, std::max(66.0, 3800 * FrameSeconds), "the whole bonus stage (3800 frames)"},
    {6, std::max(150.0, 8600 * FrameSeconds),
     "the whole of stage 5 (8600 frames) and the closing parts"},
    {7, std::max(30.0, 1520 * FrameSeconds), "the intermission (1520 frames)"},
};

TEST(MusicLengths, StageTracksLastThroughTheirStretchAndEndOnSilence) {
  auto measured = sounds::measure(sounds::resourcesDir(), trackFiles(1, 7));
  ASSERT_EQ(measured.size(), 7u);
  for (const Stretch& s : Stretches) {
    const sounds::Measured& m = measured[MusicTrackFiles[s.track]];
    SCOPED_TRACE(MusicTrackFiles[s.track]);
    EXPECT_GE(m.seconds, s.seconds) << s.what;
    EXPECT_LE(m.seconds, s.seconds + 60.0) << "much longer than needed";
    EXPECT_EQ(m.rate, 44100);
    EXPECT_EQ(m.channels, 2);
    EXPECT_LE(m.peakDb, -1.0);
    EXPECT_LE(m.tailDb, -50.0) << "ends abruptly";
  }
}

TEST(MusicLengths, StageTracksAreBalancedInLoudness) {
  auto measured = sounds::measure(sounds::resourcesDir(), trackFiles(1, 7));
  ASSERT_EQ(measured.size(), 7u);
  double sum = 0;
  for (const auto& [name, m] : measured) sum += m.loudnessDb;
  double mean = sum / 7.0;
  EXPECT_GE(mean, -20.0);
  EXPECT_LE(mean, -12.0);
  for (const auto& [name, m] : measured) EXPECT_NEAR(m.loudnessDb, mean, 1.0) << name;
}

TEST(MusicLengths, Mp3TracksAreAudibleUnderTheCeilingAndEndOnSilence) {
  auto measured = sounds::measure(sounds::resourcesDir(), trackFiles(8, 11));
  ASSERT_EQ(measured.size(), 4u);
  for (const auto& [name, m] : measured) {
    SCOPED_TRACE(name);
    EXPECT_GE(m.seconds, 60.0);
    EXPECT_LE(m.seconds, 240.0);
    EXPECT_LE(m.peakDb, -1.0);
    EXPECT_GE(m.loudnessDb, -20.0);
    EXPECT_LE(m.tailDb, -50.0);
  }
}

// What SDL_mixer actually sends to the device, summed while a track plays.
struct Captured {
  double sumSquares = 0;
  long samples = 0;
  int peak = 0;
};
Captured TheCapture;
void capture(void*, Uint8* stream, int len) {
  const Sint16* s = reinterpret_cast<const Sint16*>(stream);
  for (int i = 0; i < len / 2; ++i) {
    TheCapture.sumSquares += double(s[i]) * s[i];
    TheCapture.peak = std::max(TheCapture.peak, std::abs(int(s[i])));
  }
  TheCapture.samples += len / 2;
}

// Plays the first second of each MIDI track and measures what comes out.
void expectMidiAudible() {
  openAudioAndLoadEffects();
  for (int t = 12; t <= 15; ++t) {
    SCOPED_TRACE(MusicTrackFiles[t]);
    char path[256];
    ASSERT_TRUE(musicTrackPath(t, path, sizeof path));
    loadMusicTrack(path);
    ASSERT_TRUE(musicLoaded());
    SDL_LockAudio();
    TheCapture = {};
    Mix_SetPostMix(capture, nullptr);
    SDL_UnlockAudio();
    musicCommand(MusicCommand::Play);
    SDL_Delay(1200);
    SDL_LockAudio();
    Mix_SetPostMix(nullptr, nullptr);
    Captured c = TheCapture;
    SDL_UnlockAudio();
    musicCommand(MusicCommand::Stop);
    ASSERT_GT(c.samples, 44100);
    double rmsDb = 10.0 * std::log10(c.sumSquares / c.samples / (32768.0 * 32768.0) + 1e-30);
    EXPECT_GT(rmsDb, -40.0) << "MIDI played silently: no instrument patches found?";
    EXPECT_LT(c.peak, 32767) << "clipped";
  }
}

TEST_F(MusicTracks, MidiTracksAreAudibleWithTheInstalledSoundFont) { expectMidiAudible(); }

// Without a sound font SDL_mixer falls back to its own synthesiser and the freepats set.
TEST_F(MusicTracks, MidiTracksAreAudibleWithThePatchSetFallback) {
  setenv("SDL_FORCE_SOUNDFONTS", "1", 1);
  setenv("SDL_SOUNDFONTS", "/nonexistent/none.sf2", 1);
  expectMidiAudible();
  unsetenv("SDL_FORCE_SOUNDFONTS");
  unsetenv("SDL_SOUNDFONTS");
}

}  // namespace
