#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Little-endian 32-bit words in the bytes of a file, as bravin.pref keeps them.
inline int32_t wordAt(const std::vector<unsigned char>& b, size_t offset) {
  return int32_t(uint32_t(b[offset]) | uint32_t(b[offset + 1]) << 8 |
                 uint32_t(b[offset + 2]) << 16 | uint32_t(b[offset + 3]) << 24);
}
inline void setWordAt(std::vector<unsigned char>& b, size_t offset, int32_t value) {
  for (int i = 0; i < 4; ++i) b[offset + i] = uint8_t(uint32_t(value) >> (8 * i));
}
