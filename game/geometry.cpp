#include "game/geometry.h"

#include <cmath>
#include <cstdlib>
#include <limits>

double SineTable[SineTableSize];
double CosineTable[SineTableSize];

namespace {
constexpr double TableStep = 0.024543692603125;  // a 256th of a turn, as the game has it
constexpr double HalfTurn = 3.1415926535;
constexpr double FullTurn = 6.283185307;
constexpr double QuarterTurn = 1.57079632675;
constexpr double ThreeQuarterTurn = 4.71238898025;
constexpr int32_t RandomCentre = 16383;
constexpr int32_t SpreadSteps = 1000;
}  // namespace

void fillSineTables() {
  for (int32_t k = 0; k < SineTableSize; ++k) {
    SineTable[k] = std::sin(k * TableStep);
    CosineTable[k] = std::cos(k * TableStep);
  }
}

double sin256(int32_t n) { return SineTable[n & 255]; }
double cos256(int32_t n) { return CosineTable[n & 255]; }

double* polarTo(double* out, double x1, double y1, double x2, double y2) {
  double dx = x2 - x1;
  double dy = y2 - y1;
  double angle;
  double distance;
  if (dx == 0.0) {
    angle = dy >= 0.0 ? QuarterTurn : ThreeQuarterTurn;
    distance = std::sqrt(dy * dy);
  } else {
    double t = std::atan(dy / dx);
    if (dx < 0.0)
      angle = t + HalfTurn;
    else if (dy < 0.0)
      angle = t + FullTurn;
    else
      angle = t;
    distance = std::sqrt(dy * dy + dx * dx);
  }
  out[0] = distance;
  out[1] = angle;
  return out;
}

double directionTo(const double* from, const double* to, double* diff, double* unit) {
  for (int i = 0; i < 3; ++i) diff[i] = to[i] - from[i];
  double length = std::sqrt(diff[1] * diff[1] + diff[0] * diff[0] + diff[2] * diff[2]);
  for (int i = 0; i < 3; ++i) unit[i] = length == 0.0 ? 0.0 : diff[i] / length;
  return length;
}

void vec3Add(double* a, const double* b) {
  for (int i = 0; i < 3; ++i) a[i] += b[i];
}
void vec3Sub(double* a, const double* b) {
  for (int i = 0; i < 3; ++i) a[i] -= b[i];
}
void vec3Scale(double* a, double s) {
  for (int i = 0; i < 3; ++i) a[i] *= s;
}

// The game counts on a 15-bit rand(); the C library's may be wider, so only its low 15
// bits are taken and the value stays in -16383..16384 everywhere.
int32_t signedRandom() { return (std::rand() & 0x7FFF) - RandomCentre; }

int32_t signedRandomMod(int32_t n) {
  int32_t r = signedRandom();
  return n == 0 ? 0 : r % n;  // C++ keeps the sign of the dividend
}

double randomSpread(double s) {
  double t = signedRandomMod(SpreadSteps) * 0.001;
  return (t + t * t * t) * s * 0.5;
}

int32_t truncInt32(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (v <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

int32_t saturatingAdd(int32_t a, int32_t b) {
  int64_t s = int64_t(a) + int64_t(b);
  if (s > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (s < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(s);
}

int32_t wrappingAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
