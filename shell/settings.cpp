#include "shell/settings.h"

#include "render/meshes.h"
#include "render/texture_upload.h"
#include "shell/audio.h"
#include "shell/frame_step.h"
#include "shell/preferences.h"

namespace {
constexpr int32_t MeshDetailFactors[4] = {1, 2, 4, 8};
constexpr int32_t DefaultMeshDetailLevel = 3;
}  // namespace

int32_t meshDetailFactorFor(int32_t level) {
  if (level < 1 || level > 4) level = DefaultMeshDetailLevel;
  return MeshDetailFactors[level - 1];
}

void applySettings() {
  MusicSwitch = settingsWord(SettingMusic);
  setMeshDetail(meshDetailFactorFor(settingsWord(SettingMeshDetail)));
  FrameSkipSetting = settingsWord(SettingFrameSkip);
  setGameTextureFilter(settingsWord(SettingTextureFilter));
}
