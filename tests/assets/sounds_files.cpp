#include "tests/assets/sounds_files.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace sounds {

std::string sourceDir() {
  const char* dir = std::getenv("BRAVIN_SOURCE_DIR");
  return dir ? dir : ".";
}

std::string resourcesDir() {
  const char* dir = std::getenv("BRAVIN_RESOURCES");
  return dir ? dir : sourceDir() + "/resources";
}

std::string generatorPath() {
  char exe[4096];
  ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
  if (n <= 0) return "bravin-soundgen";
  std::string self(exe, static_cast<size_t>(n));
  return self.substr(0, self.rfind('/')) + "/../tools/soundgen/bravin-soundgen";
}

std::string run(const std::string& command, int* status) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) {
    *status = -1;
    return out;
  }
  char buf[4096];
  size_t got;
  while ((got = std::fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, got);
  *status = pclose(pipe);
  return out;
}

std::map<std::string, Measured> measure(const std::string& folder,
                                        const std::vector<std::string>& names) {
  std::string command = "'" + generatorPath() + "' --measure";
  for (const std::string& n : names) command += " '" + folder + "/" + n + "'";
  int status = 0;
  std::istringstream lines(run(command, &status));
  std::map<std::string, Measured> result;
  std::string name;
  while (lines >> name) {
    Measured m;
    if (!(lines >> m.seconds >> m.channels >> m.rate >> m.peakDb >> m.loudnessDb >> m.shortTermDb >>
          m.headDb >> m.tailDb))
      break;
    result[name] = m;
  }
  return result;
}

std::vector<unsigned char> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace sounds
