#pragma once
#include <cstdint>

// Draws a texture at once on a quad 2 sx by 2 sy centred on (x, y, z), turned by angle
// degrees about the view axis and tinted by colour. A negative sx or sy mirrors the
// picture; texture 0 draws nothing. No depth test: it paints over what is there.
int32_t drawTexturedQuad(double x, double y, double z, double sx, double sy, double angle,
                         const double* colour, uint32_t texture);
