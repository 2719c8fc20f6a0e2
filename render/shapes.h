#pragma once
#include <cstdint>

// The four unit shapes a model is built from. Each spans -1..1 on every axis (the dome
// -1..0 in y) with its top above its origin on screen, and draws with n segments: every
// (32 / n)-th point of the circle and of the sphere grid.
enum class Shape : int32_t { Sphere = 1, Dome = 2, Cylinder = 3, Cone = 4 };

// The step through the 32-point tables for n segments; n is held to 1..32.
int32_t segmentStep(int32_t n);

void drawSphere(int32_t n);
void drawDome(int32_t n);
void drawCylinder(int32_t n);
void drawCone(int32_t n);

// One shape of a model: placed at (ox, oy, oz), s wide and deep, t high, in the diffuse
// colour (r, g, b).
int32_t drawModelPart(int32_t shape, double ox, double oy, double oz, double s, double t, double r,
                      double g, double b, int32_t n);
