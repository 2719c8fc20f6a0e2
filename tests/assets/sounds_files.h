#pragma once
// Shared by the sound tests: where the generated sounds are, the generator itself, and
// its read-back measurements of a file.
#include <map>
#include <string>
#include <vector>

namespace sounds {

std::string sourceDir();
std::string resourcesDir();
// The generator built next to this test program.
std::string generatorPath();
// Runs a shell command; returns its standard output, and its exit status through `status`.
std::string run(const std::string& command, int* status);

struct Measured {
  double seconds = 0;
  int channels = 0;
  int rate = 0;
  double peakDb = 0;
  double loudnessDb = 0;
  double shortTermDb = 0;  // loudest 100 ms
  double headDb = 0;       // peak of the first 2 ms
  double tailDb = 0;       // peak of the last 2 ms
};
// Measures the named files in `folder` with the generator's read-back mode.
std::map<std::string, Measured> measure(const std::string& folder,
                                        const std::vector<std::string>& names);

std::vector<unsigned char> readFile(const std::string& path);

}  // namespace sounds
