#pragma once
#include <cstdint>

#include "actors/stage_sequence.h"

// The stage file: every entry of every stage as a 100-byte record, stage after stage, with
// no header. Numbers are big-endian: int32 and IEEE doubles, most significant byte first.
constexpr const char* StageFilePath = "resources/stgseq.data";
constexpr int32_t StageRecordBytes = 100;
constexpr int32_t StageFileBytes = StageCount * StageEntryCount * StageRecordBytes;  // 80000

// The entry held in the StageRecordBytes bytes at record.
SpawnEntry decodeSpawnEntry(const uint8_t* record);
// Writes the entry as StageRecordBytes bytes at record, the layout decodeSpawnEntry reads.
void encodeSpawnEntry(const SpawnEntry& e, uint8_t* record);
// The whole sequence from, or to, StageFileBytes bytes of a stage file.
void decodeStageSequence(const uint8_t* file, SpawnEntry (&sequence)[StageCount][StageEntryCount]);
void encodeStageSequence(const SpawnEntry (&sequence)[StageCount][StageEntryCount], uint8_t* file);
