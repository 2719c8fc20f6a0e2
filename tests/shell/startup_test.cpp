#include "shell/startup.h"

#include <SDL.h>
#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "game/geometry.h"
#include "render/meshes.h"
#include "render/texture_upload.h"
#include "shell/audio.h"
#include "shell/frame_step.h"
#include "tests/support/gl_context.h"
#include "tests/support/temp_folder.h"

namespace {
// A grey picture of the given size, saved as a BMP under the name given.
void writePicture(const char* path, int w, int h) {
  SDL_Surface* s =
      SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000);
  SDL_FillRect(s, nullptr, 0x80808080);
  SDL_SaveBMP(s, path);
  SDL_FreeSurface(s);
}

// A preferences file holding only the four settings words given.
std::vector<unsigned char> prefWithSettings(int32_t music, int32_t detail, int32_t frameSkip,
                                            int32_t filter) {
  std::vector<unsigned char> b(2536, 0);
  const int32_t words[4] = {music, detail, frameSkip, filter};
  for (int i = 0; i < 4; ++i) {
    for (int k = 0; k < 4; ++k) b[0x600 + 4 * i + k] = uint8_t(uint32_t(words[i]) >> (8 * k));
  }
  return b;
}
}  // namespace

TEST(StartUp, BuildsMeshesAndSineTablesThenTheFilesSettingsOverrideTheStartUpValues) {
  ASSERT_TRUE(openTestDisplay());
  TempFolder dir;
  dir.write("resources/.keep", {});
  writePicture("resources/chr64x64texs.PNG", 512, 256);
  dir.write("bravin.pref", prefWithSettings(0, 1, 5, 1));
  SphereGrid[0][0] = {0.0f, 0.0f, 0.0f};
  CircleNormals[3] = {0.0f, 0.0f, 0.0f};
  std::memset(SineTable, 0, sizeof SineTable);
  std::memset(TextureSlots, 0, sizeof TextureSlots);
  setMeshDetail(8);
  {
    StdoutCapture quiet;
    EXPECT_EQ(startUp(), 0);
  }
  EXPECT_FLOAT_EQ(SphereGrid[0][0].z, 1.0f);
  EXPECT_GT(std::hypot(CircleNormals[3].x, CircleNormals[3].y), 0.1);
  EXPECT_DOUBLE_EQ(sin256(64), std::sin(64 * 0.024543692603125));
  EXPECT_DOUBLE_EQ(cos256(128), std::cos(128 * 0.024543692603125));
  // The settings come after the meshes: the file's level 1, not the start-up factor 4.
  EXPECT_EQ(MeshDetailFactor, 1);
  EXPECT_EQ(MusicSwitch, 0);
  EXPECT_EQ(FrameSkipSetting, 5);
  // ...and after the textures, which still get the file's filter.
  ASSERT_NE(TextureSlots[31], 0u);
  EXPECT_EQ(textureFilter(TextureSlots[31]), GL_LINEAR);
  EXPECT_EQ(LoadingGreys.count, 11);

  MusicSwitch = 1;
  FrameSkipSetting = 2;
  setMeshDetail(4);
  std::memset(TextureSlots, 0, sizeof TextureSlots);
}

TEST(StartUp, AnIconTooLargeForTheServerOrEmptyIsLeftOut) {
  EXPECT_TRUE(usableIcon(32, 32));
  EXPECT_TRUE(usableIcon(1, MaxIconSide));
  EXPECT_FALSE(usableIcon(2048, 2048));
  EXPECT_FALSE(usableIcon(MaxIconSide + 1, 1));
  EXPECT_FALSE(usableIcon(1, MaxIconSide + 1));
  EXPECT_FALSE(usableIcon(0, 32));
  EXPECT_FALSE(usableIcon(32, -1));
}

TEST(StartUp, ADriverThatShowsNothingIsTakenOnlyWhenAskedFor) {
  EXPECT_TRUE(visibleOrAskedFor("x11", nullptr));
  EXPECT_TRUE(visibleOrAskedFor("wayland", "offscreen"));
  EXPECT_FALSE(visibleOrAskedFor("offscreen", nullptr));
  EXPECT_FALSE(visibleOrAskedFor("offscreen", ""));
  EXPECT_FALSE(visibleOrAskedFor("offscreen", "x11"));
  EXPECT_FALSE(visibleOrAskedFor("dummy", "dummyx"));
  EXPECT_FALSE(visibleOrAskedFor("offscreen", "offscreen2,x11"));
  EXPECT_TRUE(visibleOrAskedFor("offscreen", "offscreen"));
  EXPECT_TRUE(visibleOrAskedFor("offscreen", "OFFSCREEN"));
  EXPECT_TRUE(visibleOrAskedFor("offscreen", "x11,offscreen"));
  EXPECT_TRUE(visibleOrAskedFor("dummy", "dummy"));
}
