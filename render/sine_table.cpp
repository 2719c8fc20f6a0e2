#include "render/sine_table.h"

#include <cmath>

double SineTable[SineTableSize];
double CosineTable[SineTableSize];

namespace {
constexpr double TableStep = 0.024543692603125;  // a 256th of a turn
}

void fillSineTables() {
  for (int32_t k = 0; k < SineTableSize; ++k) {
    SineTable[k] = std::sin(k * TableStep);
    CosineTable[k] = std::cos(k * TableStep);
  }
}
