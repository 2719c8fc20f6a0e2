// The tests' own main: every test program runs headless, on SDL's offscreen video and
// dummy audio drivers, unless the caller chose others.
#include <gtest/gtest.h>

#include <cstdlib>

extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

int main(int argc, char** argv) {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  setenv("BRAVIN_SOURCE_DIR", BRAVIN_SOURCE_DIR, 0);
  setenv("BRAVIN_RESOURCES", BRAVIN_RESOURCES, 0);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
