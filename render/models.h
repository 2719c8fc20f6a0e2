#pragma once
#include <cstdint>

// Draws one model of the model table at once: lit models in their own colours, the
// flat disc in the given colour. A number not in the table draws nothing.
int32_t drawModel(double x, double y, double z, double sx, double sy, double angle,
                  const double* colour, int32_t model);
