#pragma once
#include <cstdint>

// One shape of a model: which shape, where, how large and in what colour.
struct ModelPart {
  int32_t shape;      // Shape, or DiscShape
  double ox, oy, oz;  // offset in model space (y grows downward)
  double s, t;        // width and depth factor, height factor
  double r, g, b;     // diffuse colour
  int32_t segments;   // 0: the detail factor's segment count
};

constexpr int32_t MaxModelParts = 3;
struct ModelDef {
  int32_t model;
  int32_t partCount;
  ModelPart parts[MaxModelParts];
};

// Model numbers at and above this are drawn unlit and flat; below it, lit.
constexpr int32_t FirstUnlitModel = 0x1004C;
// The flat disc of the player's shots, drawn in the item's own colour.
constexpr int32_t DiscModel = 0x1004E;

// A part of this shape is a flat filled polygon in the queued item's own colour rather
// than a lit shape in the part's colour.
constexpr int32_t DiscShape = 0;

// The one way from a model number (any int32, data included) to what is drawn for it:
// the lit models built from shapes and the disc; nullptr for any other number.
const ModelDef* findModel(int32_t model);
