#include "render/primitives.h"

#include <array>

#include "render/ground_plane.h"
#include "render/meshes.h"
#include "render/models.h"
#include "tests/render/render_fixture.h"

namespace {
const double White[4] = {1.0, 1.0, 1.0, 1.0};

std::array<double, 16> modelview() {
  std::array<double, 16> m{};
  glGetDoublev(GL_MODELVIEW_MATRIX, m.data());
  return m;
}

// A shadow lying nearly flat, 200 units either way, above the camera's bottom edge.
Coverage shadowAtDetail(int32_t factor) {
  setMeshDetail(factor);
  drawShadow(0.0, 300.0, 300.0, 200.0, 200.0);
  return coverage();
}
}  // namespace

using Primitives = RenderTest;

TEST_F(Primitives, ShadowIsADiamondAtTheLowestDetailAndRoundAtTheHighest) {
  // A quadrilateral with a corner on each side of its bounding box fills half of it; an
  // ellipse fills pi / 4.
  Coverage diamond = shadowAtDetail(1);
  EXPECT_NEAR(diamond.fill(), 0.5, 0.03);
  clearTo(0, 0, 0);
  Coverage round = shadowAtDetail(8);
  EXPECT_NEAR(round.fill(), 0.785, 0.03);
  // Lying down: far narrower on screen than across.
  EXPECT_LT(round.height(), round.width() * 0.6);
}

TEST_F(Primitives, CircleFanOutsideItsSegmentRangeStillEnds) {
  for (int32_t n : {0, -4, 33, 1 << 30}) {
    size_t sent = feedbackPolygons([&] { drawCircleFan(n); }).size();
    EXPECT_LE(sent, 32u) << "n = " << n;
  }
}

TEST_F(Primitives, PolygonOfFourHasCornersOnTheAxesAndIsScaledBeforeItTurns) {
  auto before = modelview();
  drawPolygon(0.0, 240.0, 120.0, 50.0, 50.0, 0.0, White, 4);
  EXPECT_NEAR(coverage().fill(), 0.5, 0.03);
  clearTo(0, 0, 0);
  drawPolygon(0.0, 240.0, 120.0, 50.0, 50.0, 45.0, White, 4);
  EXPECT_GT(coverage().fill(), 0.97);
  clearTo(0, 0, 0);
  // Stretched before it turns: an oval turned a quarter stands upright.
  drawPolygon(0.0, 240.0, 120.0, 100.0, 50.0, 90.0, White, 32);
  Coverage c = coverage();
  EXPECT_NEAR(c.width(), 200, 3);
  EXPECT_NEAR(c.height(), 400, 3);
  EXPECT_EQ(modelview(), before);
}

TEST_F(Primitives, PolygonWithNoCornersDrawsNothing) {
  drawPolygon(0.0, 240.0, 120.0, 50.0, 50.0, 0.0, White, 0);
  drawPolygon(0.0, 240.0, 120.0, 50.0, 50.0, 0.0, White, -3);
  EXPECT_EQ(coverage().pixels, 0);
}

TEST_F(Primitives, FilledRectIsScaledAfterItTurns) {
  // Turned a quarter first, the unit square is the same square: still 2 sx by 2 sy.
  drawFilledRect(0.0, 240.0, 120.0, 100.0, 50.0, 90.0, White);
  Coverage c = coverage();
  EXPECT_NEAR(c.width(), 400, 2);
  EXPECT_NEAR(c.height(), 200, 2);
  EXPECT_GT(c.fill(), 0.99);
  clearTo(0, 0, 0);
  // Turned by 45 degrees and then stretched: a sheared diamond.
  drawFilledRect(0.0, 240.0, 120.0, 100.0, 50.0, 45.0, White);
  c = coverage();
  EXPECT_NEAR(c.width(), 2 * 200 * 1.41421356, 3);
  EXPECT_NEAR(c.height(), 2 * 100 * 1.41421356, 3);
  EXPECT_NEAR(c.fill(), 0.5, 0.03);
}

TEST_F(Primitives, LineJoinsItsEnds) {
  const double from[3] = {-100.0, 240.0, 120.0};
  const double to[3] = {100.0, 240.0, 120.0};
  drawLine(from, to, White);
  Coverage c = coverage();
  EXPECT_NEAR(c.left, 120, 1);
  EXPECT_NEAR(c.right, 520, 1);
  EXPECT_LE(c.height(), 1);
}

using GroundPlane = RenderTest;

TEST_F(GroundPlane, SecondPlaneWithTheSameColourIsDrawnDarkerAndWedgesDarkerStill) {
  double colour[3] = {0.8, 0.4, 1.0};
  const int squareX = 320, squareY = screenY(480.0, 360.0);
  const int wedgeX = 500, wedgeY = screenY(480.0, 4000.0);
  drawGroundPlane(-2048.0, 480.0, 0.0, colour, 0);
  Pixel first = readPixel(squareX, squareY);
  Pixel wedge = readPixel(wedgeX, wedgeY);
  EXPECT_NEAR(first.r, 204, 1);
  EXPECT_NEAR(first.b, 255, 1);
  EXPECT_NEAR(wedge.r, 204 * 0.7501875468867217, 1);
  EXPECT_NEAR(readPixel(640 - wedgeX, wedgeY).r, 204 * 0.7501875468867217, 1);  // left wedge
  EXPECT_NEAR(colour[0], 0.8 * 0.7501875468867217, 1e-15);
  EXPECT_NEAR(colour[2], 0.7501875468867217, 1e-15);

  clearTo(0, 0, 0);
  drawGroundPlane(-2048.0, 480.0, 0.0, colour, 0);
  Pixel second = readPixel(squareX, squareY);
  EXPECT_NEAR(second.r, 204 * 0.7501875468867217, 1);
  EXPECT_NEAR(second.b, 255 * 0.7501875468867217, 1);
  EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(GroundPlane, BelowHeightOneItIsACeilingSeenFromBelow) {
  double colour[3] = {1.0, 1.0, 1.0};
  const int overhead = screenY(0.5, 360.0);
  drawGroundPlane(-2048.0, 0.5, 0.0, colour, 0);
  EXPECT_GT(readPixel(320, overhead).r, 200);
  EXPECT_EQ(readPixel(320, 400).r, 0);

  // At 1.0 it is a floor, and a floor seen from below faces away.
  clearTo(0, 0, 0);
  colour[0] = colour[1] = colour[2] = 1.0;
  drawGroundPlane(-2048.0, 1.0, 0.0, colour, 0);
  EXPECT_EQ(coverage().pixels, 0);
}

TEST_F(GroundPlane, CeilingIsMirroredInX) {
  // A square built from x = 0 to 4096 covers world x -4096..0: the left of the view.
  double colour[3] = {1.0, 1.0, 1.0};
  drawGroundPlane(0.0, 0.5, 0.0, colour, 0);
  int y = screenY(0.5, 360.0);
  EXPECT_GT(readPixel(screenX(-100.0, 360.0), y).r, 200);
  // Right of the centre lies the darker wedge.
  EXPECT_NEAR(readPixel(screenX(100.0, 360.0), y).r, 255 * 0.7501875468867217, 1);
}

TEST_F(GroundPlane, TexturedSquareShowsItsPictureOnceAndModelsBelowItAreHidden) {
  uint32_t texture = makeTestTexture(2, 2, {0xFF0000FF, 0xFF0000FF, 0xFF0000FF, 0xFF0000FF});
  double colour[3] = {1.0, 1.0, 1.0};
  drawGroundPlane(-2048.0, 480.0, 0.0, colour, texture);
  Pixel p = readPixel(320, 400);
  EXPECT_EQ(p.r, 255);
  EXPECT_EQ(p.g, 0);
  // A model sunk into the ground shows only above it.
  const double white[4] = {1.0, 1.0, 1.0, 1.0};
  drawModel(0.0, 480.0, 600.0, 100.0, 100.0, 0.0, white, 0x10009);
  // Row 360 meets the ground at depth 480, in front of the sphere's lower half.
  EXPECT_EQ(readPixel(320, 360).g, 0);
  // Row 320 passes through the sphere above the ground.
  EXPECT_GT(readPixel(320, 320).g, 0);
}
