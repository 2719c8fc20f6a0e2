#include "shell/settings.h"

#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <cstring>

#include "render/meshes.h"
#include "render/texture_upload.h"
#include "shell/audio.h"
#include "shell/frame_step.h"
#include "shell/preferences.h"
#include "tests/support/gl_context.h"

namespace {
// A record holding the four settings words given, everything else zero.
void useSettings(int32_t music, int32_t detail, int32_t frameSkip, int32_t filter) {
  Preferences.data.assign(PreferencesSize, 0);
  const int32_t words[4] = {music, detail, frameSkip, filter};
  for (int i = 0; i < 4; ++i) setPrefWord(PrefOffset::Settings + 4 * i, words[i]);
}

class Settings : public ::testing::Test {
 protected:
  void TearDown() override {
    MusicSwitch = 1;
    FrameSkipSetting = 2;
    setMeshDetail(4);
    std::memset(TextureSlots, 0, sizeof TextureSlots);
  }
};
}  // namespace

TEST(SettingsDetail, MeshDetailLevelsPickTheirFactorAndOddLevelsTheDefault) {
  EXPECT_EQ(meshDetailFactorFor(1), 1);
  EXPECT_EQ(meshDetailFactorFor(2), 2);
  EXPECT_EQ(meshDetailFactorFor(3), 4);
  EXPECT_EQ(meshDetailFactorFor(4), 8);
  EXPECT_EQ(meshDetailFactorFor(0), 4);
  EXPECT_EQ(meshDetailFactorFor(5), 4);
  EXPECT_EQ(meshDetailFactorFor(INT32_MIN), 4);
}

TEST_F(Settings, AllFourSettingsOfTheRecordAreAppliedTogether) {
  ASSERT_TRUE(openTestDisplay());
  uint8_t pixel[4] = {255, 255, 255, 255};
  TextureSlots[0] = makeTexture(pixel, 1, 1, true, 0);
  TextureSlots[224] = makeTexture(pixel, 1, 1, false, 0);  // a title picture
  struct Row {
    int32_t music, detail, frameSkip, filter;  // the settings words of the file
    int32_t meshFactor, gameFilter;            // what they give
  };
  const Row rows[] = {
      {0, 1, 3, 1, 1, GL_LINEAR},
      {7, 77, 1, 0, 4, GL_NEAREST},
  };
  for (const Row& r : rows) {
    useSettings(r.music, r.detail, r.frameSkip, r.filter);
    applySettings();
    EXPECT_EQ(MusicSwitch, r.music);
    EXPECT_EQ(MeshDetailFactor, r.meshFactor);
    EXPECT_EQ(FrameSkipSetting, r.frameSkip);
    EXPECT_EQ(textureFilter(TextureSlots[0]), r.gameFilter);
    EXPECT_EQ(textureFilter(TextureSlots[224]), GL_NEAREST);
  }
}
