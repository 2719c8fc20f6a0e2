#include "render/model_table.h"

#include <gtest/gtest.h>

#include "render/shapes.h"

TEST(ModelTable, EveryModelNumberAnswersItsOwnRowOrNone) {
  for (int32_t model = 0x10001; model <= 0x1000D; ++model) {
    const ModelDef* def = findModel(model);
    ASSERT_NE(def, nullptr) << std::hex << model;
    EXPECT_EQ(def->model, model);
    EXPECT_GE(def->partCount, 1);
    EXPECT_LE(def->partCount, MaxModelParts);
    for (int32_t i = 0; i < def->partCount; ++i) {
      EXPECT_GE(def->parts[i].shape, int32_t(Shape::Sphere)) << std::hex << model;
      EXPECT_LE(def->parts[i].shape, int32_t(Shape::Cone)) << std::hex << model;
    }
  }
  for (int32_t model : {0, -1, 1, 0x10000, 0x1000E, 0x1004B, 0x1004C, 0x1004D, 0x1004F, 0x7FFFFFFF,
                        INT32_MIN, 0x10001 | 0x40000000}) {
    EXPECT_EQ(findModel(model), nullptr) << std::hex << model;
  }
}

TEST(ModelTable, TheDiscIsFoundThroughTheSameLookupAsOneFlatPartInTheUnlitRange) {
  const ModelDef* disc = findModel(DiscModel);
  ASSERT_NE(disc, nullptr);
  EXPECT_GE(DiscModel, FirstUnlitModel);
  ASSERT_EQ(disc->partCount, 1);
  EXPECT_EQ(disc->parts[0].shape, DiscShape);
  EXPECT_EQ(disc->parts[0].s, 1.0);
  EXPECT_EQ(disc->parts[0].t, 1.0);
  EXPECT_EQ(disc->parts[0].segments, 0);  // the detail factor's corners
}
