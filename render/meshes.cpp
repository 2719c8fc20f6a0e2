#include "render/meshes.h"

int32_t MeshDetailFactor = 4;

// Placeholder until the fonts and procedural models land: only the detail factor is set.
int32_t loadFontsAndModels() {
  setMeshDetail(4);
  return 0;
}

void setMeshDetail(int32_t factor) { MeshDetailFactor = factor; }
