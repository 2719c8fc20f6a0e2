#pragma once
#include <cstddef>
#include <cstdint>

// 64-bit FNV-1a: the hash of the state digest, the stage data digest and the replay
// checksum. Each step is a bijection of the hash, so one changed byte always shows.
constexpr uint64_t FnvBasis = 1469598103934665603ull;
constexpr uint64_t FnvPrime = 1099511628211ull;

inline uint64_t fnvByte(uint64_t h, uint8_t b) { return (h ^ b) * FnvPrime; }
inline uint64_t fnvBytes(const uint8_t* bytes, size_t n, uint64_t h = FnvBasis) {
  for (size_t i = 0; i < n; ++i) h = fnvByte(h, bytes[i]);
  return h;
}
