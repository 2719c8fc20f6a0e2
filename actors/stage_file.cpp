#include "actors/stage_file.h"

#include <bit>

namespace {
// Where each field sits in a record: the one layout that reading and writing both follow.
struct IntField {
  int32_t SpawnEntry::*field;
  int32_t offset;
};
struct VectorField {
  double (SpawnEntry::*field)[3];
  int32_t offset;
};

// clang-format off
constexpr IntField IntFields[] = {
  // field                 offset
  {&SpawnEntry::time,      0},
  {&SpawnEntry::type,      4},
  {&SpawnEntry::sprite,    8},
  {&SpawnEntry::start,     12},
  {&SpawnEntry::aux,       88},
  {&SpawnEntry::interval,  92},
  {&SpawnEntry::lifetime,  96},
};
constexpr VectorField VectorFields[] = {
  // field                 offset (x; y and z follow 8 bytes apart)
  {&SpawnEntry::pos,       16},
  {&SpawnEntry::vel,       40},
  {&SpawnEntry::anchor,    64},
};
// clang-format on

uint32_t bigEndian32(const uint8_t* b) {
  return uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | uint32_t(b[3]);
}

void putBigEndian32(uint32_t v, uint8_t* b) {
  for (int32_t i = 0; i < 4; ++i) b[i] = uint8_t(v >> (24 - 8 * i));
}

// Any bit pattern is kept as it is, NaNs and infinities included: the code that uses a
// value checks it.
double doubleAt(const uint8_t* b) {
  uint64_t high = bigEndian32(b);
  uint64_t low = bigEndian32(b + 4);
  return std::bit_cast<double>(high << 32 | low);
}

void putDouble(double v, uint8_t* b) {
  uint64_t bits = std::bit_cast<uint64_t>(v);
  putBigEndian32(uint32_t(bits >> 32), b);
  putBigEndian32(uint32_t(bits), b + 4);
}
}  // namespace

SpawnEntry decodeSpawnEntry(const uint8_t* record) {
  SpawnEntry e{};
  for (const IntField& f : IntFields) e.*f.field = int32_t(bigEndian32(record + f.offset));
  for (const VectorField& f : VectorFields) {
    for (int32_t i = 0; i < 3; ++i) (e.*f.field)[i] = doubleAt(record + f.offset + 8 * i);
  }
  return e;
}

void encodeSpawnEntry(const SpawnEntry& e, uint8_t* record) {
  for (const IntField& f : IntFields) putBigEndian32(uint32_t(e.*f.field), record + f.offset);
  for (const VectorField& f : VectorFields) {
    for (int32_t i = 0; i < 3; ++i) putDouble((e.*f.field)[i], record + f.offset + 8 * i);
  }
}

void decodeStageSequence(const uint8_t* file, SpawnEntry (&sequence)[StageCount][StageEntryCount]) {
  for (auto& stage : sequence) {
    for (SpawnEntry& e : stage) {
      e = decodeSpawnEntry(file);
      file += StageRecordBytes;
    }
  }
}

void encodeStageSequence(const SpawnEntry (&sequence)[StageCount][StageEntryCount], uint8_t* file) {
  for (const auto& stage : sequence) {
    for (const SpawnEntry& e : stage) {
      encodeSpawnEntry(e, file);
      file += StageRecordBytes;
    }
  }
}
