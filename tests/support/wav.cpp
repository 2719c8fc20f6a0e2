#include "tests/support/wav.h"

#include <cmath>
#include <cstdint>

namespace {
void put(std::vector<unsigned char>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}
void put(std::vector<unsigned char>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(tag[i]));
}
}  // namespace

std::vector<unsigned char> toneWav(double seconds) {
  const uint32_t rate = 44100, frames = static_cast<uint32_t>(seconds * rate);
  const uint32_t dataBytes = frames * 4;
  std::vector<unsigned char> out;
  put(out, "RIFF");
  put(out, 36 + dataBytes, 4);
  put(out, "WAVE");
  put(out, "fmt ");
  put(out, 16, 4);
  put(out, 1, 2);  // PCM
  put(out, 2, 2);  // stereo
  put(out, rate, 4);
  put(out, rate * 4, 4);
  put(out, 4, 2);
  put(out, 16, 2);
  put(out, "data");
  put(out, dataBytes, 4);
  for (uint32_t i = 0; i < frames; ++i) {
    auto s = static_cast<int16_t>(2000 * std::sin(i * 0.05));
    put(out, static_cast<uint16_t>(s), 2);
    put(out, static_cast<uint16_t>(s), 2);
  }
  return out;
}
