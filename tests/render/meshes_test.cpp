#include "render/meshes.h"

#include <cmath>

#include "render/shapes.h"
#include "tests/render/render_fixture.h"

namespace {
double dot(const MeshPoint& a, const MeshPoint& b) {
  return double(a.x) * b.x + double(a.y) * b.y + double(a.z) * b.z;
}

// Every shape drawn at the middle of the view, large and near enough to fill it.
void drawShapeInView(void (*shape)(int32_t), int32_t n) {
  glPushMatrix();
  glTranslated(0.0, 240.0, 400.0);
  glScaled(100.0, 100.0, 100.0);
  shape(n);
  glPopMatrix();
}

// Feedback reports every quad and fan as its triangles.
size_t trianglesSent(void (*shape)(int32_t), int32_t n) {
  glDisable(GL_CULL_FACE);
  size_t count = feedbackPolygons([&] { drawShapeInView(shape, n); }).size();
  glEnable(GL_CULL_FACE);
  return count;
}

double meanDepth(const std::vector<FeedbackPolygon>& polygons) {
  double sum = 0.0;
  size_t count = 0;
  for (const FeedbackPolygon& p : polygons) {
    for (size_t v = 2; v < p.size(); v += 3, ++count) sum += p[v];
  }
  return count ? sum / double(count) : 0.0;
}
}  // namespace

TEST(Meshes, SphereGridRunsFromThePoleToJustShortOfTheOther) {
  buildMeshes();
  for (int32_t j = 0; j < SphereColumns; ++j) {
    EXPECT_FLOAT_EQ(SphereGrid[0][j].z, 1.0f);
    EXPECT_NEAR(std::hypot(SphereGrid[0][j].x, SphereGrid[0][j].y), 0.0, 1e-7);
    // Row 16 is a tiny ring at theta = 3.14, not a point.
    EXPECT_NEAR(std::hypot(SphereGrid[16][j].x, SphereGrid[16][j].y), std::sin(3.14), 1e-6);
    EXPECT_NEAR(SphereGrid[16][j].z, std::cos(3.14), 1e-6);
  }
  // The last column stops a little short of a full turn.
  EXPECT_NEAR(std::atan2(SphereGrid[8][31].y, SphereGrid[8][31].x), 31 * 0.19625 - 2 * M_PI, 1e-6);
}

TEST(Meshes, SphereNormalsPointOutwardAndThePoleBorrowsTheNextRow) {
  buildMeshes();
  for (int32_t j = 0; j < SphereColumns; ++j) {
    EXPECT_EQ(SphereNormals[0][j].x, SphereNormals[1][j].x);
    EXPECT_EQ(SphereNormals[0][j].y, SphereNormals[1][j].y);
    EXPECT_EQ(SphereNormals[0][j].z, SphereNormals[1][j].z);
    for (int32_t i = 1; i < SphereRows - 1; ++i) {
      const MeshPoint& a = SphereGrid[i][j];
      const MeshPoint& c = SphereGrid[i + 1][(j + 1) % SphereColumns];
      MeshPoint middle = {(a.x + c.x) / 2, (a.y + c.y) / 2, (a.z + c.z) / 2};
      EXPECT_GT(dot(SphereNormals[i][j], middle), 0.0) << "row " << i << " column " << j;
    }
  }
}

TEST(Meshes, CircleNormalsAreHorizontalAndFaceTheMiddleOfTheirSide) {
  buildMeshes();
  for (int32_t k = 0; k < CirclePoints - 1; ++k) {
    EXPECT_FLOAT_EQ(Circle[k].z, 1.0f);
    const MeshPoint& n = CircleNormals[k];
    EXPECT_EQ(n.z, 0.0f);
    EXPECT_NEAR(std::atan2(n.y, n.x), std::remainder((k + 0.5) * 0.19625, 2 * M_PI), 1e-5)
        << "side " << k;
  }
}

TEST(Meshes, DetailFactorFromSettingsIsHeldToWhatTheShapesCanDraw) {
  setMeshDetail(2);
  EXPECT_EQ(MeshDetailFactor, 2);
  EXPECT_EQ(detailSegments(), 8);
  setMeshDetail(0);
  EXPECT_EQ(MeshDetailFactor, 1);
  setMeshDetail(-7);
  EXPECT_EQ(MeshDetailFactor, 1);
  setMeshDetail(0x40000000);  // would overflow factor x 4
  EXPECT_EQ(MeshDetailFactor, 8);
  setMeshDetail(4);
}

TEST(Meshes, SegmentCountsGiveTheirStepThroughTheTables) {
  EXPECT_EQ(segmentStep(4), 8);
  EXPECT_EQ(segmentStep(8), 4);
  EXPECT_EQ(segmentStep(16), 2);
  EXPECT_EQ(segmentStep(32), 1);
  EXPECT_EQ(segmentStep(12), 2);
  // Out of range: never a step of 0 (endless loops) nor a division by zero.
  EXPECT_EQ(segmentStep(0), 32);
  EXPECT_EQ(segmentStep(-3), 32);
  EXPECT_EQ(segmentStep(33), 1);
  EXPECT_EQ(segmentStep(1 << 30), 1);
}

using Shapes = RenderTest;

TEST_F(Shapes, SphereIsEightQuadsAtFourSegmentsAndFiveHundredTwelveAtThirtyTwo) {
  EXPECT_EQ(trianglesSent(drawSphere, 4), 2 * 8u);
  EXPECT_EQ(trianglesSent(drawSphere, 16), 2 * 128u);
  EXPECT_EQ(trianglesSent(drawSphere, 32), 2 * 512u);
  // The dome: half the bands and a flat base of n triangles.
  EXPECT_EQ(trianglesSent(drawDome, 8), 2 * 16u + 8u);
}

TEST_F(Shapes, SegmentCountsOutsideTheRangeStillDrawAFiniteShape) {
  for (int32_t n : {0, -1, 3, 5, 33, 1000}) {
    for (auto shape : {drawSphere, drawDome, drawCylinder, drawCone}) {
      size_t sent = trianglesSent(shape, n);
      EXPECT_LE(sent, 2 * 512u + 64u) << "n = " << n;
    }
  }
  // A cylinder at n = 4 is a square prism: four side quads and two square caps.
  EXPECT_EQ(trianglesSent(drawCylinder, 4), 2 * 4u + 4u + 4u);
}

TEST_F(Shapes, EveryShapeShowsTheFacesNearerTheEye) {
  for (auto shape : {drawSphere, drawDome, drawCylinder, drawCone}) {
    glDisable(GL_CULL_FACE);
    double all = meanDepth(feedbackPolygons([&] { drawShapeInView(shape, 16); }));
    glEnable(GL_CULL_FACE);
    std::vector<FeedbackPolygon> front = feedbackPolygons([&] { drawShapeInView(shape, 16); });
    ASSERT_FALSE(front.empty());
    EXPECT_LT(meanDepth(front), all);
  }
}
