// Plays a replay in the game's window, or lists the replays of a folder.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/replay/places.h"
#include "tools/replay/replay_list.h"
#include "tools/replay/window_player.h"

namespace {
void usage(std::FILE* out) {
  std::fprintf(out,
               "usage: bravin-replay [--resources DIR] FILE\n"
               "       bravin-replay --list [FOLDER]\n"
               "Plays FILE, a replay, in the game's window at the game's speed with sound:\n"
               "Space pauses and resumes, the right arrow held fast-forwards, Escape stops.\n"
               "It says `replay out of sync at frame N` when the playback leaves the\n"
               "recording, and plays on. Exit status: 0 in sync, 3 out of sync, 1 a file it\n"
               "cannot play. The assets are those of --resources DIR, else resources/ here,\n"
               "else the player's folder's, else the installed ones.\n"
               "--list lists the replays of FOLDER (default the player's replays folder,\n"
               "$XDG_DATA_HOME/bravin/replays or ~/.local/share/bravin/replays) with their\n"
               "date, length and score; a player's folder named as FOLDER lists its\n"
               "replays folder. See bravin-replay(1).\n");
}

// The replays of a folder, or false after one line saying why it cannot be read.
bool readFolder(const std::string& folder, std::vector<std::string>& lines) {
  std::string error;
  if (listReplays(folder, lines, error)) return true;
  std::fprintf(stderr, "bravin-replay: %s\n", error.c_str());
  return false;
}

int list(const std::string& given) {
  std::string folder = given;
  if (folder.empty()) {
    std::string player = playerFolder();
    if (player.empty()) {
      std::fprintf(stderr, "bravin-replay: no player's folder: HOME is not set\n");
      return 1;
    }
    folder = player + "/replays";
  }
  std::vector<std::string> lines;
  if (!readFolder(folder, lines)) return 1;
  // A player's folder named in place of its replays folder: the replays are there.
  std::error_code ec;
  if (lines.empty() && !given.empty() && std::filesystem::is_directory(folder + "/replays", ec)) {
    folder += "/replays";
    if (!readFolder(folder, lines)) return 1;
  }
  if (lines.empty()) std::printf("no replays in %s\n", folder.c_str());
  for (const std::string& line : lines) std::printf("%s\n", line.c_str());
  return 0;
}
}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    usage(stdout);
    return 0;
  }
  if (!args.empty() && args[0] == "--list" && args.size() <= 2) {
    return list(args.size() == 2 ? args[1] : "");
  }
  std::string resources;
  if (args.size() == 3 && args[0] == "--resources") {
    resources = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
    usage(stderr);
    return 2;
  }
  return playInWindow(args[0], assetFolder(resources));
}
