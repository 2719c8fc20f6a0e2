#pragma once
#include <cstdint>

// A textured horizontal square 4096 x 4096 from (x, z) on, at height y, with an untextured
// wedge on each side widening with distance. Below y = 1.0 it is a ceiling seen from below
// (and mirrored in x). The caller's colour (red, green, blue) is darkened in place for
// the wedges and keeps the darker values. Writes depth, so later models hide behind it.
int32_t drawGroundPlane(double x, double y, double z, double* colour, uint32_t texture);
