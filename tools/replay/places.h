#pragma once
#include <string>

// The player's folder, as the launcher keeps it: $XDG_DATA_HOME/bravin, or
// ~/.local/share/bravin when XDG_DATA_HOME is unset or relative. Empty when neither
// XDG_DATA_HOME nor HOME is an absolute path.
std::string playerFolder();

// The asset folder a playback runs with: the one given; else resources/ of the working
// folder (the top of the source tree, or the player's folder); else the player's folder's
// resources/ (the launcher's links to the installed assets, with the player's own files,
// such as a stage file, in their place); else the installed tree's, found from this
// program's own place (PREFIX/bin/bravin-replay: PREFIX/share/games/bravin/resources).
// Empty when there is none of these.
std::string assetFolder(const std::string& given);
