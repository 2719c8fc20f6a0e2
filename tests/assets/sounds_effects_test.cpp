// The 31 sound effects as the game loads and plays them.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "shell/audio.h"
#include "tests/assets/sounds_files.h"
#include "tests/support/temp_folder.h"

namespace {

std::string effectFile(int n) { return "s" + std::to_string(1000 + n) + ".aif"; }

// 16-bit samples of a chunk as SDL_mixer converted it for the device.
struct Samples {
  const int16_t* data;
  size_t count;
};
Samples samplesOf(const Mix_Chunk* chunk) {
  return {reinterpret_cast<const int16_t*>(chunk->abuf), chunk->alen / sizeof(int16_t)};
}

class SoundEffects : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(chdir(sounds::sourceDir().c_str()), 0);
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 512), 0) << Mix_GetError();
  }
  void TearDown() override {
    Mix_CloseAudio();
    SDL_Quit();
  }
  Mix_Chunk* load(int n) {
    std::string path = sounds::resourcesDir() + "/" + effectFile(n);
    return Mix_LoadWAV_RW(SDL_RWFromFile(path.c_str(), "rb"), 1);
  }
};

TEST_F(SoundEffects, AllThirtyOneLoadAtStartWithoutAnError) {
  Mix_CloseAudio();  // the game opens the device itself
  StdoutCapture out;
  openAudioAndLoadEffects();
  std::string printed = out.finish();
  EXPECT_EQ(printed.find("Mix_LoadWAVError"), std::string::npos) << printed;
  for (int n = 0; n < EffectCount; ++n) EXPECT_TRUE(effectLoaded(n)) << effectFile(n);
  // And they play: the first goes to channel 0.
  clearAudioLog();
  EXPECT_EQ(playEffect(0), 1);
  EXPECT_EQ(Mix_Playing(0), 1);
}

// The longest each effect may last: the frequent ones must be over before they come
// again (a shot every 15 frames, 255 ms), the jingles may take a few seconds.
double longestSeconds(int n) {
  switch (n) {
    case 0:
      return 0.2;  // player shot
    case 8:
    case 10:
    case 13:
    case 14:
      return 0.35;  // lock-on, hit, enemy fire, toss
    case 20:
      return 3.5;  // game over
    case 25:
    case 30:
      return 3.0;  // boss destroyed, title sting
    default:
      return 2.0;
  }
}

TEST_F(SoundEffects, EachIsShortAudibleUnderTheCeilingAndStartsAndEndsOnSilence) {
  const int16_t ceiling = 29204;  // -1 dBFS
  const int16_t quiet = 328;      // -40 dBFS
  for (int n = 0; n < EffectCount; ++n) {
    SCOPED_TRACE(effectFile(n));
    Mix_Chunk* chunk = load(n);
    ASSERT_NE(chunk, nullptr) << Mix_GetError();
    Samples s = samplesOf(chunk);
    double seconds = static_cast<double>(s.count) / 2.0 / 44100.0;
    EXPECT_GE(seconds, 0.05);
    EXPECT_LE(seconds, longestSeconds(n));
    int peak = 0;
    for (size_t i = 0; i < s.count; ++i)
      peak = std::max(peak, std::abs(static_cast<int>(s.data[i])));
    EXPECT_LE(peak, ceiling);
    EXPECT_GE(peak, 3277) << "quieter than -20 dBFS";
    ASSERT_GE(s.count, 4u);
    EXPECT_LE(std::abs(s.data[0]), quiet);
    EXPECT_LE(std::abs(s.data[s.count - 1]), quiet);
    Mix_FreeChunk(chunk);
  }
}

// Reads the sample rate and width from the AIFF header: SDL_mixer 1.2 takes plain AIFF
// (not AIFC) and the game asks for 44.1 kHz 16-bit.
TEST_F(SoundEffects, FilesArePlainAiff44100Hz16Bit) {
  const unsigned char rate44100[10] = {0x40, 0x0E, 0xAC, 0x44, 0, 0, 0, 0, 0, 0};
  for (int n = 0; n < EffectCount; ++n) {
    SCOPED_TRACE(effectFile(n));
    auto bytes = sounds::readFile(sounds::resourcesDir() + "/" + effectFile(n));
    ASSERT_GE(bytes.size(), 12u);
    EXPECT_EQ(std::memcmp(bytes.data(), "FORM", 4), 0);
    EXPECT_EQ(std::memcmp(bytes.data() + 8, "AIFF", 4), 0);
    size_t at = 12;
    bool found = false;
    while (at + 8 <= bytes.size()) {
      uint32_t size = (uint32_t(bytes[at + 4]) << 24) | (uint32_t(bytes[at + 5]) << 16) |
                      (uint32_t(bytes[at + 6]) << 8) | bytes[at + 7];
      if (std::memcmp(bytes.data() + at, "COMM", 4) == 0 && at + 26 <= bytes.size()) {
        found = true;
        int channels = (bytes[at + 8] << 8) | bytes[at + 9];
        int bits = (bytes[at + 14] << 8) | bytes[at + 15];
        EXPECT_TRUE(channels == 1 || channels == 2);
        EXPECT_EQ(bits, 16);
        EXPECT_EQ(std::memcmp(bytes.data() + at + 16, rate44100, 10), 0);
      }
      at += 8 + size + (size & 1);
    }
    EXPECT_TRUE(found);
  }
}

TEST(SoundEffectLoudness, EffectsSitWithinOneBandOfLoudness) {
  std::vector<std::string> names;
  for (int n = 0; n < EffectCount; ++n) names.push_back(effectFile(n));
  auto measured = sounds::measure(sounds::resourcesDir(), names);
  ASSERT_EQ(measured.size(), names.size());
  double lowest = 0, highest = -100;
  for (const auto& [name, m] : measured) {
    EXPECT_EQ(m.rate, 44100) << name;
    lowest = std::min(lowest, m.shortTermDb);
    highest = std::max(highest, m.shortTermDb);
  }
  // Nothing so quiet it vanishes under the music, nothing so loud it drowns the rest.
  EXPECT_GE(lowest, -20.0);
  EXPECT_LE(highest, -9.0);
}

}  // namespace
