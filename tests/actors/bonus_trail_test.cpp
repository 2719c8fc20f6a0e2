#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

#include "tests/actors/enemy_fixture.h"

namespace {
using BonusTrail = EnemyTest;

// Shadows are drawn at once, not queued: GL's feedback mode catches them. Each is a fan,
// so its centre is the vertex its triangles share. Under this projection a world point
// (x, y, z) comes out at window x = (x + 2048) * 640 / 4096 and depth (4000 - z) / 8000.
class ShadowCatcher {
 public:
  ShadowCatcher() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2048.0, 2048.0, -2048.0, 2048.0, -4000.0, 4000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_CULL_FACE);  // this projection looks at them from the other side
    glFeedbackBuffer(int(buffer_.size()), GL_3D, buffer_.data());
    glRenderMode(GL_FEEDBACK);
  }
  // The (x, z) of each shadow's centre, in the order drawn.
  std::vector<std::pair<double, double>> centres() {
    int32_t n = glRenderMode(GL_RENDER);
    glEnable(GL_CULL_FACE);
    std::map<std::tuple<float, float, float>, int32_t> shared;
    std::vector<std::tuple<float, float, float>> order;
    for (int32_t i = 0; i + 1 < n;) {
      int32_t count = int32_t(buffer_[i + 1]);
      for (int32_t v = 0; v < count; ++v) {
        auto p =
            std::make_tuple(buffer_[i + 2 + 3 * v], buffer_[i + 3 + 3 * v], buffer_[i + 4 + 3 * v]);
        if (shared[p]++ == 2) order.push_back(p);
      }
      i += 2 + 3 * count;
    }
    std::vector<std::pair<double, double>> out;
    for (const auto& [x, y, depth] : order) {
      out.emplace_back(x * 4096.0 / 640.0 - 2048.0, 4000.0 - depth * 8000.0);
    }
    return out;
  }

 private:
  std::vector<GLfloat> buffer_ = std::vector<GLfloat>(1 << 16);
};

void setHistory(int32_t index, Vec3 p) {
  Game.positionHistory[index][0] = p.x;
  Game.positionHistory[index][1] = p.y;
  Game.positionHistory[index][2] = p.z;
}

TEST_F(BonusTrail, FiveFollowersFlyWhereItWas16To80FramesAgoEachTurnedTowardTheOneInFront) {
  // Age 550 in the part where the trail spreads by 25 a follower; it holds still.
  int32_t slot = place(43, 108, 550, {100, 300, 2000});
  ActorTable[slot].param = 2;
  setHistory(22, {-200, 300, 1900});  // 16 frames ago
  setHistory(6, {300, 310, 1800});
  setHistory(118, {300, 320, 1825});
  setHistory(102, {100, 330, 1700});
  setHistory(86, {0, 340, 1665});  // 80 frames ago
  ShadowCatcher catcher;
  std::vector<DrawItem> draws = walk();
  std::vector<std::pair<double, double>> shadows = catcher.centres();

  using Quad = std::tuple<double, double, double, double, double, int32_t>;  // x y z sx sy slot
  const Quad followers[] = {
      {-200, 332, 1875, 64, 64, 26},     // the character is ahead more than aside
      {300, 310, 1750, -128, 128, 109},  // mirrored: the one in front is to its left
      {300, 352, 1750, -64, 64, 27},     // level with the one in front: side-on
      {100, 330, 1600, 128, 128, 109},
      {0, 372, 1540, 64, 64, 24},  // the last: 100 aside, only 60 ahead
  };
  ASSERT_EQ(draws.size(), 6u);
  for (int32_t i = 0; i < 5; ++i) {
    const DrawItem& d = draws[i];
    EXPECT_EQ(Quad(d.x, d.y, d.z, d.sx, d.sy, slotOf(d)), followers[i]) << i + 1;
  }
  // Where it is now is kept for the followers to come.
  EXPECT_EQ(Game.positionHistory[550 & 127][0], 100.0);
  EXPECT_EQ(Game.positionHistory[550 & 127][2], 2000.0);

  // The large followers cast shadows, and then the character its own.
  ASSERT_EQ(shadows.size(), 3u);
  const double shadowAt[3][2] = {{300, 1750}, {100, 1600}, {100, 2000}};
  for (int32_t i = 0; i < 3; ++i) {
    EXPECT_NEAR(shadows[i].first, shadowAt[i][0], 0.5) << i;
    EXPECT_NEAR(shadows[i].second, shadowAt[i][1], 0.5) << i;
  }
}
}  // namespace
