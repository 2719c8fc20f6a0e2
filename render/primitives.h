#pragma once
#include <cstdint>

// Untextured shapes drawn at once, without lighting or depth test. Each leaves the matrix
// as it found it.

// A dark translucent ellipse lying nearly flat on the plane through y, sx across and sy deep.
int32_t drawShadow(double x, double y, double z, double sx, double sy);
// A unit disc in the local xy plane with n sides (n held to 1..32).
void drawCircleFan(int32_t n);
// A filled regular n-gon facing the camera, stretched by sx, sy and then turned.
int32_t drawPolygon(double x, double y, double z, double sx, double sy, double angle,
                    const double* colour, int32_t n);
// A one-pixel line from p0 to p1 (x, y, z each).
int32_t drawLine(const double* p0, const double* p1, const double* colour);
// A filled rectangle 2 sx by 2 sy; it is scaled after being turned, so a turned
// non-square rectangle comes out sheared.
int32_t drawFilledRect(double x, double y, double z, double sx, double sy, double angle,
                       const double* colour);
