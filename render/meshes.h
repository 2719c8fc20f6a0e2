#pragma once
#include <cstdint>

// The fonts, the procedural meshes and the sine tables, built once at start-up.
int32_t loadFontsAndModels();
// The mesh detail factor (1, 2, 4 or 8).
void setMeshDetail(int32_t factor);
extern int32_t MeshDetailFactor;
