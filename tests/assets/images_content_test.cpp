// What the pictures show where the game draws them: something in every slot it draws,
// clean edges under linear filtering, backdrop layers that join, a ground that scrolls.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>

#include "tests/assets/images_support.h"

namespace {
// The slots the game's behaviours draw: player, shots, effects, the stage 0 cast, bosses,
// bonus figures, backdrop and title pictures.
const int DrawnSlots[] = {1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  16,  17,
                          18,  24,  25,  26,  27,  28,  29,  30,  31,  32,  33,  34,  35,  38,  39,
                          48,  49,  50,  51,  52,  53,  54,  55,  56,  57,  58,  59,  60,  61,  62,
                          64,  65,  66,  68,  69,  70,  71,  72,  77,  78,  79,  80,  81,  82,  83,
                          84,  85,  86,  87,  100, 101, 106, 107, 108, 109, 110, 128, 144, 145, 146,
                          147, 148, 149, 151, 160, 161, 162, 163, 164, 165, 166, 167, 168, 169, 170,
                          171, 172, 173, 174, 175, 192, 193, 194, 195, 196, 197, 198, 199, 200, 201,
                          202, 203, 204, 205, 206, 207, 224, 225, 226, 227, 229};

class Pictures {
 public:
  const Rgba& file(const std::string& name) {
    auto it = cache_.find(name);
    if (it == cache_.end()) {
      Rgba picture;
      loadRgba(resourcePath(name), picture);
      it = cache_.emplace(name, std::move(picture)).first;
    }
    return it->second;
  }
  Rgba slot(int slot) {
    SlotTile t = slotTile(slot);
    return tileOf(file(t.file), t.index, t.w, t.h);
  }

 private:
  std::map<std::string, Rgba> cache_;
};

Pictures& pictures() {
  static Pictures p;
  return p;
}

// Colour difference of two pixels as the screen shows them (weighted by coverage).
double shownDifference(const uint8_t* a, const uint8_t* b) {
  double d = 0;
  for (int c = 0; c < 3; ++c) d += std::fabs(a[c] * a[3] / 255.0 - b[c] * b[3] / 255.0);
  return d / 3 + std::fabs(double(a[3]) - b[3]);
}

double columnDifference(const Rgba& left, int lx, const Rgba& right, int rx) {
  double sum = 0;
  for (int y = 0; y < left.height; ++y) sum += shownDifference(left.at(lx, y), right.at(rx, y));
  return sum / left.height;
}
}  // namespace

TEST(PictureContent, EverySlotTheGameDrawsShowsSomething) {
  for (int slot : DrawnSlots) {
    Rgba tile = pictures().slot(slot);
    ASSERT_FALSE(tile.pixels.empty()) << "slot " << slot;
    EXPECT_GT(inkPixels(tile), tile.width * tile.height / 50) << "slot " << slot << " is empty";
    EXPECT_FALSE(oneFlatColour(tile)) << "slot " << slot << " is one flat colour";
  }
}

TEST(PictureContent, TransparentPixelsCarryTheirNeighboursColourNotBlack) {
  // Linear filtering mixes a visible edge pixel with its transparent neighbour; if that
  // neighbour is black, every sprite gets a dark fringe.
  const char* sheets[] = {"chr64x64texs.PNG",    "chr64x128texs.PNG", "chr128x128texs1.PNG",
                          "chr128x128texs2.PNG", "bkBacks.PNG",       "frBacks.PNG",
                          "titletexs.PNG"};
  for (const char* name : sheets) {
    const Rgba& p = pictures().file(name);
    int edges = 0, fringes = 0;
    for (int y = 0; y < p.height; ++y) {
      for (int x = 0; x + 1 < p.width; ++x) {
        const uint8_t *a = p.at(x, y), *b = p.at(x + 1, y);
        const uint8_t* clear = a[3] == 0 ? a : (b[3] == 0 ? b : nullptr);
        const uint8_t* solid = a[3] >= 200 ? a : (b[3] >= 200 ? b : nullptr);
        if (!clear || !solid) continue;
        ++edges;
        int brightSolid = solid[0] + solid[1] + solid[2],
            brightClear = clear[0] + clear[1] + clear[2];
        if (brightSolid > 150 && brightClear < brightSolid / 3) ++fringes;
      }
    }
    EXPECT_GT(edges, 0) << name;
    EXPECT_LT(fringes, edges / 50 + 1) << name << ": " << fringes << " dark fringes";
  }
}

TEST(PictureContent, EachLayerGroupJoinsLeftToRightAndFromTheFourthBackToTheFirst) {
  for (int first : {160, 164, 168, 172, 192, 196, 200, 204}) {
    Rgba tiles[4];
    for (int i = 0; i < 4; ++i) tiles[i] = pictures().slot(first + i);
    // The seam may differ no more than neighbouring columns inside a tile usually do.
    double inside = 0;
    for (int i = 0; i < 4; ++i) {
      for (int x = 0; x + 1 < tiles[i].width; ++x) {
        inside += columnDifference(tiles[i], x, tiles[i], x + 1);
      }
    }
    inside /= 4.0 * (tiles[0].width - 1);
    for (int i = 0; i < 4; ++i) {
      const Rgba& left = tiles[i];
      const Rgba& right = tiles[(i + 1) % 4];
      double seam = columnDifference(left, left.width - 1, right, 0);
      EXPECT_LE(seam, inside * 4 + 2.0)
          << "slots " << first + i << " and " << first + (i + 1) % 4 << " do not join";
    }
  }
}

TEST(PictureContent, LayersAreClearAtTheTopSoTheSkyShowsThrough) {
  for (int slot = 160; slot <= 207; ++slot) {
    if (slot > 175 && slot < 192) continue;
    Rgba tile = pictures().slot(slot);
    for (int x = 0; x < tile.width; ++x) {
      ASSERT_EQ(tile.at(x, 0)[3], 0) << "slot " << slot << " column " << x;
    }
    int bottomInk = 0;
    for (int x = 0; x < tile.width; ++x) bottomInk += tile.at(x, tile.height - 1)[3] > 0;
    EXPECT_GT(bottomInk, tile.width / 2) << "slot " << slot << " has no landscape at its foot";
  }
}

TEST(PictureContent, GroundRepeatsEveryTwoTexelsSoItsScrollingWrapsWithoutAJump) {
  Rgba ground = pictures().slot(128);
  ASSERT_EQ(ground.width, 64);
  bool varies = false;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      const uint8_t* p = ground.at(x, y);
      for (int c = 0; c < 3; ++c) {
        ASSERT_EQ(p[c], ground.at((x + 2) % 64, y)[c]) << x << "," << y;
        ASSERT_EQ(p[c], ground.at(x, (y + 2) % 64)[c]) << x << "," << y;
      }
      varies = varies || p[0] != ground.at(0, 0)[0];
    }
  }
  EXPECT_TRUE(varies) << "a flat ground gives no sense of speed";
}

TEST(PictureContent, FollowerAndEnemyFramesDifferWhereTheGameSwitchesBetweenThem) {
  // Pairs the game alternates or swaps: if both tiles were the same the animation or the
  // turn would not show.
  const int pairs[][2] = {{48, 49},   {50, 51}, {52, 53}, {54, 55},   {81, 82},
                          {82, 83},   {84, 85}, {85, 86}, {100, 101}, {106, 107},
                          {108, 110}, {24, 25}, {26, 27}, {28, 30},   {29, 31},
                          {32, 33},   {34, 35}, {38, 39}, {60, 61},   {61, 62}};
  for (const auto& pair : pairs) {
    Rgba a = pictures().slot(pair[0]), b = pictures().slot(pair[1]);
    EXPECT_NE(a.pixels, b.pixels) << "slots " << pair[0] << " and " << pair[1];
  }
}

TEST(PictureContent, BlastAndDebrisStripsEndDarkOnTheGround) {
  // The third frame of a ground burst is the crater left behind: darker at its foot than
  // the fireball it started as.
  for (int first : {60, 64, 68}) {
    auto footBrightness = [](const Rgba& t) {
      double sum = 0, n = 0;
      for (int y = t.height * 3 / 4; y < t.height; ++y) {
        for (int x = 0; x < t.width; ++x) {
          const uint8_t* p = t.at(x, y);
          if (p[3] < 128) continue;
          sum += p[0] + p[1] + p[2];
          ++n;
        }
      }
      return n ? sum / n : 0.0;
    };
    Rgba start = pictures().slot(first), end = pictures().slot(first + 2);
    EXPECT_GT(inkPixels(end), 0) << first + 2;
    EXPECT_LT(footBrightness(end), 200.0) << "slot " << first + 2;
    EXPECT_LT(footBrightness(end), footBrightness(start) + 1) << "slot " << first + 2;
  }
}

TEST(PictureContent, NoSpriteIsCutOffAtItsTileEdge) {
  // A figure that runs into the tile's edge shows a straight cut on screen. The coin
  // chest (28-31) is the one picture made of two tiles side by side.
  for (int slot = 0; slot <= 111; ++slot) {
    if (slot >= 28 && slot <= 31) continue;
    Rgba tile = pictures().slot(slot);
    int solid = 0;
    for (int i = 0; i < tile.width; ++i) {
      solid += tile.at(i, 0)[3] >= 128;
      solid += tile.at(i, tile.height - 1)[3] >= 128;
    }
    for (int i = 0; i < tile.height; ++i) {
      solid += tile.at(0, i)[3] >= 128;
      solid += tile.at(tile.width - 1, i)[3] >= 128;
    }
    EXPECT_EQ(solid, 0) << "slot " << slot;
  }
}
