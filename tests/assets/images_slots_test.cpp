// After the game's start-up every slot it draws holds its own texture.
#include <gtest/gtest.h>
#include <unistd.h>

#include <set>
#include <string>

#include "render/texture_upload.h"
#include "shell/startup.h"
#include "tests/assets/images_support.h"
#include "tests/support/gl_context.h"
#include "tests/support/temp_folder.h"

namespace {
bool filled(int slot) {
  return slot <= 111 || slot == 128 || (slot >= 144 && slot <= 151) ||
         (slot >= 160 && slot <= 175) || (slot >= 192 && slot <= 207) ||
         (slot >= 224 && slot <= 230);
}
}  // namespace

TEST(TextureSlots, AfterStartUpEveryLoadedSlotHoldsADistinctTextureAndTheGapsStayEmpty) {
  ASSERT_TRUE(openTestDisplay());
  // A fresh working folder (start-up writes bravin.pref there) whose "resources/" is the
  // generated asset folder.
  TempFolder folder;
  const std::string resources = resourcePath("");
  ASSERT_EQ(symlink(resources.c_str(), "resources"), 0) << resources;
  for (uint32_t& name : TextureSlots) name = 0;
  {
    StdoutCapture quiet;
    startUp();
  }
  std::set<uint32_t> names;
  for (int slot = 0; slot < TextureSlotCount; ++slot) {
    if (filled(slot)) {
      EXPECT_NE(TextureSlots[slot], 0u) << "slot " << slot;
      EXPECT_TRUE(names.insert(TextureSlots[slot]).second) << "slot " << slot << " shares";
    } else {
      EXPECT_EQ(TextureSlots[slot], 0u) << "slot " << slot;
    }
  }
}
