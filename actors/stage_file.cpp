#include "actors/stage_file.h"

#include <bit>
#include <cstdio>

#include "shell/file_buffer.h"

namespace {
uint32_t bigEndian32(const uint8_t* b) {
  return uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | uint32_t(b[3]);
}

int32_t int32At(const uint8_t* record, int32_t offset) {
  return int32_t(bigEndian32(record + offset));
}

// Any bit pattern is kept as it is, NaNs and infinities included: the code that uses a
// value checks it.
double doubleAt(const uint8_t* record, int32_t offset) {
  uint64_t high = bigEndian32(record + offset);
  uint64_t low = bigEndian32(record + offset + 4);
  return std::bit_cast<double>(high << 32 | low);
}

void vectorAt(const uint8_t* record, int32_t offset, double* v) {
  for (int32_t i = 0; i < 3; ++i) v[i] = doubleAt(record, offset + 8 * i);
}
}  // namespace

SpawnEntry decodeSpawnEntry(const uint8_t* record) {
  SpawnEntry e;
  e.time = int32At(record, 0);
  e.type = int32At(record, 4);
  e.sprite = int32At(record, 8);
  e.start = int32At(record, 12);
  vectorAt(record, 16, e.pos);
  vectorAt(record, 40, e.vel);
  vectorAt(record, 64, e.anchor);
  e.aux = int32At(record, 88);
  e.interval = int32At(record, 92);
  e.lifetime = int32At(record, 96);
  return e;
}

// All or nothing: a short, long or half-read file would mix its stages with the built-in
// ones, so only a whole file of the exact size replaces them.
int32_t loadStageFile(const char* path) {
  auto file = readFile(path);
  if (!file) return 0;
  if (file->data.size() != size_t(StageFileBytes)) {
    std::printf("Stage file not used: %zu bytes read, %d expected.\r\n", file->data.size(),
                StageFileBytes);
    return 0;
  }
  const uint8_t* record = file->data.data();
  for (auto& stage : StageSequence) {
    for (SpawnEntry& e : stage) {
      e = decodeSpawnEntry(record);
      record += StageRecordBytes;
    }
  }
  return 1;
}
