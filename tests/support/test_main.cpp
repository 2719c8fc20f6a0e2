// The tests' own main: every test program runs headless, on SDL's offscreen video and
// dummy audio drivers, unless the caller chose others, and closes SDL before it exits.
#include <gtest/gtest.h>

#include <cstdlib>

#include "shell/frame_loop.h"

extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

int main(int argc, char** argv) {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  setenv("BRAVIN_SOURCE_DIR", BRAVIN_SOURCE_DIR, 0);
  setenv("BRAVIN_RESOURCES", BRAVIN_RESOURCES, 0);
  ::testing::InitGoogleTest(&argc, argv);
  int status = RUN_ALL_TESTS();
  // Stop the audio thread before the libraries are torn down at exit.
  shutDownPlatform();
  return status;
}
