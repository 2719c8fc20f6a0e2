// After start-up's texture loading every slot the game draws holds its own texture.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <set>

#include "shell/preferences.h"
#include "shell/startup.h"
#include "shell/texture_upload.h"
#include "tests/support/gl_context.h"

namespace {
// The game reads "resources/" under its working folder, the top of the source tree.
class InSourceFolder {
 public:
  InSourceFolder() {
    if (getcwd(previous_, sizeof previous_) == nullptr) previous_[0] = 0;
    const char* top = std::getenv("BRAVIN_SOURCE_DIR");
#ifdef BRAVIN_TEST_SOURCE_DIR
    if (!top) top = BRAVIN_TEST_SOURCE_DIR;
#endif
    ok_ = top && chdir(top) == 0;
  }
  ~InSourceFolder() {
    if (previous_[0] && chdir(previous_) != 0) std::abort();
  }
  bool ok() const { return ok_; }

 private:
  char previous_[4096];
  bool ok_ = false;
};

bool filled(int slot) {
  return slot <= 111 || slot == 128 || (slot >= 144 && slot <= 151) ||
         (slot >= 160 && slot <= 175) || (slot >= 192 && slot <= 207) ||
         (slot >= 224 && slot <= 230);
}
}  // namespace

TEST(TextureSlots, EveryLoadedSlotHoldsADistinctTextureAndTheGapsStayEmpty) {
  ASSERT_TRUE(openTestDisplay());
  InSourceFolder here;
  ASSERT_TRUE(here.ok());
  // A new preferences record: texture filter 0, as on a first run.
  if (Preferences.data.size() < size_t(PreferencesSize))
    Preferences.data.assign(PreferencesSize, 0);
  for (uint32_t& name : TextureSlots) name = 0;
  loadTextureSheets();
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
