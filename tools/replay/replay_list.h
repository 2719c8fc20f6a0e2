#pragma once
#include <string>
#include <vector>

constexpr const char* ReplaySuffix = ".bravin-replay";

// The files of a folder whose names end in .bravin-replay, sorted by name, one line each:
// the name, when it was recorded (local time), its length in frames and in minutes and
// seconds of play at 17 ms a frame, and its score (a replay cut short or from another
// version of the game says so), or what keeps it from being played ("cannot be read", "not a
// replay", "damaged: ..."). False with a message when the folder cannot be read.
bool listReplays(const std::string& folder, std::vector<std::string>& lines, std::string& error);
