#include "tools/replay/places.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
// An environment variable that holds an absolute path, or empty.
std::string absoluteFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value && value[0] == '/' ? value : "";
}

bool isFolder(const fs::path& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}
}  // namespace

std::string playerFolder() {
  std::string data = absoluteFromEnvironment("XDG_DATA_HOME");
  if (!data.empty()) return data + "/bravin";
  std::string home = absoluteFromEnvironment("HOME");
  return home.empty() ? "" : home + "/.local/share/bravin";
}

std::string assetFolder(const std::string& given) {
  if (!given.empty()) return given;
  if (isFolder("resources")) return "resources";
  std::string player = playerFolder();
  if (!player.empty() && isFolder(player + "/resources")) return player + "/resources";
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    fs::path installed = self.parent_path().parent_path() / "share/games/bravin/resources";
    if (isFolder(installed)) return installed.string();
  }
  return "";
}
