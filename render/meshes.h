#pragma once
#include <cstdint>

// The unit meshes every curved shape is drawn from, computed once at start-up.
struct MeshPoint {
  float x, y, z;
};

constexpr int32_t SphereRows = 17;     // row 0 is the pole z = 1, row 16 lies at theta = 3.14
constexpr int32_t SphereColumns = 32;  // one turn; column 31 joins back to column 0
constexpr int32_t CirclePoints = 32;
constexpr double MeshAngleStep = 0.19625;  // 32 steps make 6.28, a little short of a turn

extern MeshPoint SphereGrid[SphereRows][SphereColumns];
// Normal of the grid face whose first corner is point (i, j); not unit length.
extern MeshPoint SphereNormals[SphereRows - 1][SphereColumns];
// Point k is (cos, sin, 1) of k steps: the top rim of the unit cylinder.
extern MeshPoint Circle[CirclePoints];
// Normal of the side face between circle points k and k + 1; horizontal, not unit length.
extern MeshPoint CircleNormals[CirclePoints];

// The mesh detail factor (1, 2, 4 or 8): curved shapes get factor x 4 segments.
extern int32_t MeshDetailFactor;
// Stores the factor, held to 1..8 so that no stored setting can break the segment count.
void setMeshDetail(int32_t factor);
// Segments for a curved shape at the current detail factor.
int32_t detailSegments();

// Fills the sphere grid and its normals, then the circle and its normals; called once by
// start-up, between the fonts and the sine tables.
void buildMeshes();
