#include "render/meshes.h"

#include <cmath>

MeshPoint SphereGrid[SphereRows][SphereColumns];
MeshPoint SphereNormals[SphereRows - 1][SphereColumns];
MeshPoint Circle[CirclePoints];
MeshPoint CircleNormals[CirclePoints];
int32_t MeshDetailFactor = 4;

namespace {
constexpr int32_t MaxDetail = 8;  // 32 segments: every point of the tables

// d1 x d2 with d1 = b - a and d2 = c - a, in double precision.
MeshPoint faceNormal(const MeshPoint& a, const MeshPoint& b, const MeshPoint& c) {
  double d1x = double(b.x) - a.x, d1y = double(b.y) - a.y, d1z = double(b.z) - a.z;
  double d2x = double(c.x) - a.x, d2y = double(c.y) - a.y, d2z = double(c.z) - a.z;
  return {float(d1y * d2z - d1z * d2y), float(d1z * d2x - d1x * d2z), float(d1x * d2y - d1y * d2x)};
}
}  // namespace

void setMeshDetail(int32_t factor) {
  if (factor < 1) factor = 1;
  if (factor > MaxDetail) factor = MaxDetail;
  MeshDetailFactor = factor;
}

int32_t detailSegments() { return MeshDetailFactor * 4; }

void buildMeshes() {
  for (int32_t i = 0; i < SphereRows; ++i) {
    double theta = i * MeshAngleStep;
    for (int32_t j = 0; j < SphereColumns; ++j) {
      double phi = j * MeshAngleStep;
      SphereGrid[i][j] = {float(std::cos(phi) * std::sin(theta)),
                          float(std::sin(phi) * std::sin(theta)), float(std::cos(theta))};
    }
  }
  for (int32_t i = 1; i < SphereRows - 1; ++i) {
    for (int32_t j = 0; j < SphereColumns; ++j) {
      SphereNormals[i][j] = faceNormal(SphereGrid[i][j], SphereGrid[i + 1][j],
                                       SphereGrid[i][(j + 1) % SphereColumns]);
    }
  }
  // All of row 0 is the pole, where a face's own normal would be zero.
  for (int32_t j = 0; j < SphereColumns; ++j) SphereNormals[0][j] = SphereNormals[1][j];

  for (int32_t k = 0; k < CirclePoints; ++k) {
    Circle[k] = {float(std::cos(k * MeshAngleStep)), float(std::sin(k * MeshAngleStep)), 1.0f};
  }
  for (int32_t k = 0; k < CirclePoints; ++k) {
    const MeshPoint& a = Circle[k];
    MeshPoint below = {a.x, a.y, -1.0f};
    CircleNormals[k] = faceNormal(a, below, Circle[(k + 1) % CirclePoints]);
  }
}
