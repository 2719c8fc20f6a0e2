#include "tests/fuzz/stage_bytes.h"

#include <bit>
#include <cstring>

#include "actors/builtin_stages.h"

namespace {
void putBigEndian32(uint8_t* b, uint32_t v) {
  for (int32_t i = 0; i < 4; ++i) b[i] = uint8_t(v >> (24 - 8 * i));
}

void putDouble(uint8_t* b, double d) {
  uint64_t v = std::bit_cast<uint64_t>(d);
  putBigEndian32(b, uint32_t(v >> 32));
  putBigEndian32(b + 4, uint32_t(v));
}

void putVector(uint8_t* b, const double* v) {
  for (int32_t i = 0; i < 3; ++i) putDouble(b + 8 * i, v[i]);
}
}  // namespace

void encodeSpawnEntry(const SpawnEntry& e, uint8_t* record) {
  putBigEndian32(record, uint32_t(e.time));
  putBigEndian32(record + 4, uint32_t(e.type));
  putBigEndian32(record + 8, uint32_t(e.sprite));
  putBigEndian32(record + 12, uint32_t(e.start));
  putVector(record + 16, e.pos);
  putVector(record + 40, e.vel);
  putVector(record + 64, e.anchor);
  putBigEndian32(record + 88, uint32_t(e.aux));
  putBigEndian32(record + 92, uint32_t(e.interval));
  putBigEndian32(record + 96, uint32_t(e.lifetime));
}

void encodeBuiltInStages(uint8_t* file) {
  std::memset(file, 0, StageFileBytes);
  for (int32_t s = 0; s < StageCount; ++s) {
    const BuiltInStage& stage = BuiltInStages[s];
    for (int32_t i = 0; i < stage.count && i < StageEntryCount; ++i) {
      encodeSpawnEntry(stage.entries[i], file + (s * StageEntryCount + i) * StageRecordBytes);
    }
  }
}
