#pragma once
#include <SDL_opengl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/player.h"
#include "render/camera.h"
#include "render/text.h"
#include "screens/hud.h"
#include "shell/clock.h"
#include "shell/preferences.h"
#include "tests/support/gl_context.h"
#include "tests/support/temp_folder.h"

// An overlay line as it was handed to the font, copied out of the watcher.
struct DrawnLine {
  std::string text;
  double x, y, z, size;
  std::array<double, 4> colour;
  bool large;
};

// Where, in which font, how large and in which colour a line was drawn.
struct LineLook {
  bool large;
  double x, y, z, size;
  std::array<double, 4> colour;
  bool operator==(const LineLook&) const = default;
};
inline LineLook lookOf(const DrawnLine& l) { return {l.large, l.x, l.y, l.z, l.size, l.colour}; }
inline void PrintTo(const LineLook& l, std::ostream* os) {
  *os << (l.large ? "large" : "small") << " at (" << l.x << ", " << l.y << ", " << l.z << ") size "
      << l.size << " colour (" << l.colour[0] << ", " << l.colour[1] << ", " << l.colour[2] << ", "
      << l.colour[3] << ")";
}

namespace overlay {
inline std::vector<DrawnLine> Lines;
inline uint32_t FakeMs = 0;
inline uint32_t fakeTicks() { return FakeMs; }
inline void fakeDelay(uint32_t) {}
inline void record(const OverlayLine& l) {
  Lines.push_back({l.text,
                   l.x,
                   l.y,
                   l.z,
                   l.size,
                   {l.colour[0], l.colour[1], l.colour[2], l.colour[3]},
                   l.large});
}

// The colours of the overlays, as (red, green, blue, alpha).
constexpr std::array<double, 4> White = {1.0, 1.0, 1.0, 1.0};
constexpr std::array<double, 4> Cyan = {0.4, 0.9, 0.9, 0.9};
constexpr std::array<double, 4> Green = {0.1, 0.9, 0.2, 0.9};
constexpr std::array<double, 4> Grey = {0.6, 0.6, 0.6, 0.9};
constexpr std::array<double, 4> Red = {0.9, 0.2, 0.1, 0.9};
constexpr std::array<double, 4> Yellow = {0.99, 0.99, 0.3, 0.99};
constexpr std::array<double, 4> Orange = {0.9, 0.5, 0.1, 0.9};
}  // namespace overlay

// A fresh game state, a clock at 0 that the test moves, the frame-rate readout started
// afresh, and every overlay line drawn collected in lines().
class OverlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(openTestDisplay());
    Game = {};
    ThePlayer = {};
    CoinCount = 0;
    overlay::FakeMs = 0;
    setClockSource({overlay::fakeTicks, overlay::fakeDelay});
    resetFrameRate();
    overlay::Lines.clear();
    watchOverlayLines(overlay::record);
  }
  void TearDown() override {
    watchOverlayLines(nullptr);
    useSdlClock();
  }
  static std::vector<DrawnLine>& lines() { return overlay::Lines; }
  static LineLook look(size_t i) { return lookOf(overlay::Lines.at(i)); }
  static std::vector<std::string> texts() {
    std::vector<std::string> t;
    for (const DrawnLine& l : overlay::Lines) t.push_back(l.text);
    return t;
  }
  static void setTick(int32_t t) { overlay::FakeMs = uint32_t(t) * MsPerTick; }
};

// The same with the game's own fonts loaded and the camera at rest, for tests that read
// the picture back. An overlay point (x, y) at depth 120 lands on the screen pixel
// (320 + 2x, 240 + 2 (y - 240)).
class OverlayPixelTest : public OverlayTest {
 protected:
  void SetUp() override {
    OverlayTest::SetUp();
    std::copy_n(SmallFontTiles, SmallFontGlyphs, savedSmall_.begin());
    std::copy_n(LargeFontTiles, LargeFontGlyphs, savedLarge_.begin());
    loadGameFonts();
    setStartupGlState();
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    clearScreen();
    placeCamera(240.0);
    applyOverlayTransform(240.0);
  }
  void TearDown() override {
    std::copy(savedSmall_.begin(), savedSmall_.end(), SmallFontTiles);
    std::copy(savedLarge_.begin(), savedLarge_.end(), LargeFontTiles);
    OverlayTest::TearDown();
  }

  struct Box {
    int left, top, right, bottom;  // screen pixels, inclusive
  };
  // The cells of a line of `length` characters whose first one is centred on (x, y).
  static Box lineBox(double x, double y, double size, int length) {
    return {int(320 + 2 * (x - size)), int(240 + 2 * (y - 240 - size)),
            int(320 + 2 * (x - size + 2 * size * length)) - 1, int(240 + 2 * (y - 240 + size)) - 1};
  }
  // Pixels in the box showing a fully inked glyph texel tinted by colour.
  static int pixelsOf(const std::array<double, 4>& colour, Box box) {
    std::vector<uint8_t> screen = readScreen();
    int count = 0;
    for (int y = std::max(box.top, 0); y <= std::min(box.bottom, 479); ++y) {
      for (int x = std::max(box.left, 0); x <= std::min(box.right, 639); ++x) {
        const uint8_t* p = &screen[(size_t(y) * 640 + size_t(x)) * 4];
        bool match = true;
        for (int c = 0; c < 3; ++c) {
          match = match && std::abs(int(p[c]) - int(colour[c] * colour[3] * 255.0 + 0.5)) <= 3;
        }
        count += match;
      }
    }
    return count;
  }
  // Any pixel that is not black.
  static int inkIn(Box box) {
    std::vector<uint8_t> screen = readScreen();
    int count = 0;
    for (int y = std::max(box.top, 0); y <= std::min(box.bottom, 479); ++y) {
      for (int x = std::max(box.left, 0); x <= std::min(box.right, 639); ++x) {
        const uint8_t* p = &screen[(size_t(y) * 640 + size_t(x)) * 4];
        count += p[0] || p[1] || p[2];
      }
    }
    return count;
  }
  static constexpr Box WholeScreen = {0, 0, 639, 479};

 private:
  // Loaded once from the generated resources and kept for the run.
  static void loadGameFonts() {
    static std::array<uint32_t, SmallFontGlyphs> small{};
    static std::array<uint32_t, LargeFontGlyphs> large{};
    static bool loaded = false;
    if (!loaded) {
      TempFolder folder;
      const char* resources = std::getenv("BRAVIN_RESOURCES");
      ASSERT_NE(resources, nullptr);
      ASSERT_EQ(symlink(resources, "resources"), 0) << resources;
      loadFonts();
      std::copy_n(SmallFontTiles, SmallFontGlyphs, small.begin());
      std::copy_n(LargeFontTiles, LargeFontGlyphs, large.begin());
      loaded = true;
    }
    std::copy(small.begin(), small.end(), SmallFontTiles);
    std::copy(large.begin(), large.end(), LargeFontTiles);
    ASSERT_NE(SmallFontTiles['S' - 32], 0u);
    ASSERT_NE(LargeFontTiles['G' - 32], 0u);
  }
  std::array<uint32_t, SmallFontGlyphs> savedSmall_{};
  std::array<uint32_t, LargeFontGlyphs> savedLarge_{};
};
