#include "render/draw_queue.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "render/model_table.h"
#include "render/models.h"
#include "tests/render/render_fixture.h"

namespace {
const double White[4] = {1.0, 1.0, 1.0, 1.0};
const double Red[4] = {1.0, 0.0, 0.0, 1.0};
const double Green[4] = {0.0, 1.0, 0.0, 1.0};
const double Blue[4] = {0.0, 0.0, 1.0, 1.0};

uint32_t whiteTexture() {
  static uint32_t name = makeTestTexture(1, 1, {0xFFFFFFFF});
  return name;
}

void queueQuad(double z, const double* colour, double half = 40.0) {
  queueDraw(0.0, 240.0, z, half * z / 120.0, half * z / 120.0, 0.0, colour, int32_t(whiteTexture()),
            0);
}

Pixel centre() { return readPixel(320, 240); }
}  // namespace

TEST(SortByDepth, OrdersKeysAndCarriesTheSlotNumbersAlong) {
  std::srand(7);
  for (int round = 0; round < 50; ++round) {
    int n = 1 + std::rand() % DrawQueueSize;
    std::vector<double> keys(static_cast<size_t>(n));
    std::vector<double> original;
    std::vector<int32_t> order(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
      keys[size_t(i)] = double(std::rand() % 20);  // plenty of equal depths
      order[size_t(i)] = i;
    }
    original = keys;
    sortByDepth(keys.data(), order.data(), 0, n - 1);
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
    std::vector<int32_t> seen(order);
    std::sort(seen.begin(), seen.end());
    for (int i = 0; i < n; ++i) {
      EXPECT_EQ(seen[size_t(i)], i);
      EXPECT_EQ(keys[size_t(i)], original[size_t(order[size_t(i)])]);
    }
  }
}

TEST(SortByDepth, EqualDepthsComeOutInTheOrderOfThePartitionSteps) {
  // Worked by hand through the steps: the pivot swaps with the last element that is not
  // greater, so equal items are not left in submission order.
  double three[] = {5.0, 5.0, 5.0};
  int32_t threeOrder[] = {0, 1, 2};
  sortByDepth(three, threeOrder, 0, 2);
  EXPECT_EQ(std::vector<int32_t>(threeOrder, threeOrder + 3), (std::vector<int32_t>{1, 2, 0}));

  double mixed[] = {2.0, 1.0, 2.0, 1.0};
  int32_t mixedOrder[] = {0, 1, 2, 3};
  sortByDepth(mixed, mixedOrder, 0, 3);
  EXPECT_EQ(std::vector<int32_t>(mixedOrder, mixedOrder + 4), (std::vector<int32_t>{1, 3, 2, 0}));
}

using DrawQueueFlush = RenderTest;

TEST_F(DrawQueueFlush, NearerQuadCoversTheFartherWhicheverWasQueuedFirst) {
  queueQuad(100.0, Red);
  queueQuad(200.0, Green);
  drawQueuedScene(0);
  EXPECT_EQ(centre().r, 255);
  EXPECT_EQ(centre().g, 0);

  clearTo(0, 0, 0);
  queueQuad(200.0, Green);
  queueQuad(100.0, Red);
  drawQueuedScene(0);
  EXPECT_EQ(centre().r, 255);
  EXPECT_EQ(centre().g, 0);
}

TEST_F(DrawQueueFlush, EqualDepthItemsAreDrawnInThePartitionOrder) {
  // Sorted slots 1, 2, 0 are drawn from the back: red, blue, then green on top.
  queueQuad(150.0, Red);
  queueQuad(150.0, Green);
  queueQuad(150.0, Blue);
  drawQueuedScene(0);
  Pixel p = centre();
  EXPECT_EQ(p.r, 0);
  EXPECT_EQ(p.g, 255);
  EXPECT_EQ(p.b, 0);
}

TEST_F(DrawQueueFlush, SkippedFrameDrawsNothingAndEmptiesTheWholeTable) {
  queueQuad(100.0, Red);
  queueDraw(0.0, 240.0, 300.0, 50.0, 50.0, 0.0, White, 0x10009, ModelDrawKind);
  clearTo(0, 0, 0);  // the model's shadow was drawn at queue time
  drawQueuedScene(-1);
  EXPECT_EQ(coverage().pixels, 0);
  EXPECT_EQ(DrawQueue.count, 0);
  for (const DrawItem& item : DrawQueue.items) {
    EXPECT_EQ(item.image, -1);
    EXPECT_EQ(item.z, 0.0);
  }
  // The next frame starts afresh.
  queueQuad(100.0, Green);
  EXPECT_EQ(DrawQueue.count, 1);
  drawQueuedScene(0);
  EXPECT_EQ(centre().g, 255);
  EXPECT_EQ(DrawQueue.count, 0);
}

TEST_F(DrawQueueFlush, ItemsPastTheHundredAndTwentyEighthAreDroppedWholesale) {
  for (int i = 0; i < DrawQueueSize; ++i) {
    queueDraw(double(i), 240.0, 1000.0 + i, 10.0, 10.0, 0.0, Red, int32_t(whiteTexture()), 0);
  }
  // The 129th would take the first slot again; it must not, nor draw a shadow.
  queueDraw(-500.0, 240.0, 5.0, 3.0, 3.0, 0.0, Green, 0x10009, ModelDrawKind);
  EXPECT_EQ(DrawQueue.count, DrawQueueSize);
  EXPECT_EQ(coverage().pixels, 0);
  EXPECT_EQ(DrawQueue.items[0].x, 0.0);
  EXPECT_EQ(DrawQueue.items[0].z, 1000.0);
  EXPECT_EQ(DrawQueue.items[0].drawKind, 0);
  EXPECT_EQ(DrawQueue.items[0].colour[1], 0.0);
  EXPECT_EQ(DrawQueue.depthKeys[0], 1000.0);
  EXPECT_EQ(DrawQueue.items[DrawQueueSize - 1].x, double(DrawQueueSize - 1));
  drawQueuedScene(0);
  EXPECT_EQ(DrawQueue.count, 0);
  EXPECT_GT(coverage().pixels, 0);
}

TEST_F(DrawQueueFlush, EmptySlotsArePassedOverAndTheColourIsCopied) {
  double colour[4] = {0.0, 1.0, 0.0, 1.0};
  queueQuad(100.0, colour);
  colour[1] = 0.0;  // the caller's temporary changes after queueing
  DrawQueue.items[0].image = -1;
  queueQuad(200.0, colour);
  EXPECT_EQ(DrawQueue.items[0].colour[1], 1.0);
  drawQueuedScene(0);
  EXPECT_EQ(centre().g, 0);
  EXPECT_EQ(centre().r, 0);
}

using Models = RenderTest;

TEST_F(Models, ModelShadowLiesOnTheGroundWhateverTheModelsHeight) {
  queueDraw(0.0, 100.0, 300.0, 100.0, 100.0, 0.0, White, 0x10009, ModelDrawKind);
  Coverage shadow = coverage();
  // Radii 120 across and 100 deep on the plane y = 472; its outline is widest a little
  // nearer than its centre.
  EXPECT_NEAR(shadow.width(), 2 * 120 * 240 / std::sqrt(300.0 * 300 - 100 * 100), 4);
  EXPECT_NEAR(shadow.top, screenY(472.0, 400.0), 3);
  EXPECT_NEAR(shadow.bottom, screenY(472.0, 200.0) > 479 ? 479 : screenY(472.0, 200.0), 3);
  Pixel p = readPixel(320, screenY(472.0, 300.0));
  EXPECT_NEAR(p.r, 0.2 * 0.8 * 255, 2);  // dark grey at 0.8 over black
  drawQueuedScene(-1);
}

TEST_F(Models, LitModelIsScaledAcrossByWidthAndDownByHeight) {
  // A sphere of part scale 1 x 1, queued 800 across and 400 high: its outline is twice
  // as wide as it is high.
  queueDraw(0.0, 240.0, 3000.0, 800.0, 400.0, 0.0, White, 0x10009, ModelDrawKind);
  clearTo(0, 0, 0);  // leave only the model
  drawQueuedScene(0);
  Coverage c = coverage();
  ASSERT_GT(c.height(), 30);
  EXPECT_NEAR(double(c.width()) / c.height(), 2.0, 0.1);
  EXPECT_NEAR(c.width(), 2 * 800 * 240 / std::sqrt(3000.0 * 3000 - 400 * 400), 4);
  EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
  EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
}

TEST_F(Models, EveryModelOfTheTableDrawsAndNumbersOutsideItDrawNothing) {
  for (int32_t model = 0x10001; model <= 0x1000D; ++model) {
    clearTo(0, 0, 0);
    drawModel(0.0, 240.0, 400.0, 100.0, 100.0, 30.0, White, model);
    EXPECT_GT(coverage().pixels, 1000) << std::hex << model;
  }
  std::vector<int32_t> nothing = {0, -1, 0x10000, 0x1004C, 0x1004D, 0x1004F, 0x7FFFFFFF, INT32_MIN};
  for (int32_t model = 0x1000E; model <= 0x1004B; ++model) nothing.push_back(model);
  clearTo(0, 0, 0);
  for (int32_t model : nothing) drawModel(0.0, 240.0, 400.0, 100.0, 100.0, 0.0, White, model);
  EXPECT_EQ(coverage().pixels, 0);
  EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
}

TEST_F(Models, GarbageModelNumbersFromDataDrawOnlyTheirShadowsAndLeaveTheStateAlone) {
  GLint depthBefore = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
  for (int32_t model : {0x7FFFFFFF, -1, INT32_MIN, 0x1004D}) {
    queueDraw(0.0, 240.0, 400.0, 100.0, 100.0, 0.0, White, model, ModelDrawKind);
  }
  clearTo(0, 0, 0);  // leave out the shadows drawn while queueing
  drawQueuedScene(0);
  EXPECT_EQ(coverage().pixels, 0);
  GLint depthAfter = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
  EXPECT_EQ(depthAfter, depthBefore);
  EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
  EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_EQ(DrawQueue.count, 0);
}

TEST_F(Models, DiscModelIsUnlitInTheItemsColour) {
  const double colour[4] = {1.0, 0.5, 0.0, 1.0};
  drawModel(0.0, 240.0, 120.0, 40.0, 40.0, 0.0, colour, DiscModel);
  Pixel p = centre();
  EXPECT_EQ(p.r, 255);
  EXPECT_NEAR(p.g, 128, 1);
  EXPECT_EQ(p.b, 0);
  Coverage c = coverage();
  EXPECT_NEAR(c.width(), 160, 3);  // radius 40 units at two pixels a unit
}

TEST_F(Models, LaterModelsAreResolvedAgainstEarlierOnesByDepth) {
  // Drawn in queue order here, not sorted: the far sphere second must stay hidden.
  drawModel(0.0, 240.0, 300.0, 60.0, 60.0, 0.0, White, 0x1000D);
  Pixel before = centre();
  drawModel(0.0, 240.0, 900.0, 600.0, 600.0, 0.0, White, 0x10001);
  Pixel after = centre();
  EXPECT_EQ(before.r, after.r);
  EXPECT_EQ(before.g, after.g);
  EXPECT_EQ(before.b, after.b);
}
