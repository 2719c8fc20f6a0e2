#pragma once
#include <cstdint>
#include <memory>
#include <vector>

// The bytes of a whole file, with the path it came from and its length: what the
// preferences and the stage-sequence loader read, and what write-back writes.
struct LoadedFile {
  char path[256] = {};  // empty after a failed read or create: write-back then fails
  int32_t length = 0;   // bytes to write back
  std::vector<uint8_t> data;
};

// Each prints its outcome on standard output ("Open Error.", "Read Succeed.", ...).
// Read file: null when the file cannot be opened.
std::unique_ptr<LoadedFile> readFile(const char* path);
// readFile's bytes alone: false when the file cannot be opened.
bool readWholeFile(const char* path, std::vector<uint8_t>& bytes);
// Create file: a zero-filled buffer of the given length. Whether the file can be saved is
// tried beside it (see write-back), but nothing appears at the path itself until
// write-back puts the whole file there. Null when it cannot be opened.
std::unique_ptr<LoadedFile> createFile(int32_t length, const char* path);
// Write back: replaces the file at the recorded path with the recorded length of bytes,
// whole or not at all (shell/file_system.h tells how the player's file is respected).
// "Open Error." when the file may not be written, "Write Error." when the old file had
// to stay. 1 on success.
int32_t writeBack(const LoadedFile& file);
