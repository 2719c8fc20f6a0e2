#include "tools/replay/replay_list.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>

#include "shell/frame_loop.h"
#include "shell/replay_file.h"
#include "tools/headless/replay_run.h"

namespace fs = std::filesystem;

namespace {
// A name as the terminal may show it: control bytes become '?'.
std::string printable(std::string text) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  }
  return text;
}

std::string localTime(int64_t unixTime) {
  std::time_t t = static_cast<std::time_t>(unixTime);
  std::tm local{};
  char text[32];
  if (!localtime_r(&t, &local) || !std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local)) {
    return "unknown date";
  }
  return text;
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// What the listing says of a replay after its name.
std::string replaySummary(const Replay& replay, const std::string& otherVersion) {
  int64_t seconds = int64_t(replay.frameCount) * FramePeriodMs / 1000;
  char text[96];
  std::snprintf(text, sizeof text, "%s  %7d frames  %4lld:%02lld  score %d",
                localTime(replay.facts.recordedAt).c_str(), replay.frameCount,
                static_cast<long long>(seconds / 60), static_cast<long long>(seconds % 60),
                replay.finalScore);
  std::string line = text;
  if (replay.cutShort) line += "  cut short";
  if (!otherVersion.empty()) line += "  " + otherVersion;
  return line;
}
}  // namespace

bool listReplays(const std::string& folder, std::vector<std::string>& lines, std::string& error) {
  std::error_code ec;
  std::vector<std::string> names;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (endsWith(name, ReplaySuffix)) names.push_back(name);
  }
  if (ec) {
    error = "cannot read the folder " + folder + ": " + ec.message();
    return false;
  }
  std::sort(names.begin(), names.end());
  size_t width = 0;
  for (const std::string& name : names) width = std::max(width, name.size());
  for (const std::string& name : names) {
    Replay replay;
    ReplayProblem problem = ReplayProblem::None;
    std::string why;
    std::string line = printable(name);
    line.resize(width, ' ');
    if (readReplayFile((fs::path(folder) / name).string(), replay, problem, why)) {
      line += "  " + replaySummary(replay, "");
    } else if (problem == ReplayProblem::OtherVersion) {
      line += "  " + replaySummary(replay, why);  // it reads whole: only its version differs
    } else {
      line += "  " + why;
    }
    lines.push_back(line);
  }
  return true;
}
