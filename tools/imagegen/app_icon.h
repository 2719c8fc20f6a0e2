#pragma once
#include <string>

#include "picture.h"

// The menu icon of the game in the sizes a desktop asks for. Each size is drawn on its own
// canvas with detail to suit it, so none of them is another one scaled.
inline constexpr int AppIconSizes[] = {32, 48, 64, 128, 256};

Picture drawAppIcon(int size);
// Writes DIR/SIZExSIZE/apps/NAME.png for every size (the layout of an icon theme).
bool writeAppIcons(const std::string& dir, const std::string& name);
