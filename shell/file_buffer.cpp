#include "shell/file_buffer.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "shell/file_system.h"

namespace {
// A path too long to keep whole is not kept at all: a cut one would name another file.
void recordPath(LoadedFile& file, const char* path, int32_t length) {
  if (std::strlen(path) >= sizeof file.path) return;
  std::snprintf(file.path, sizeof file.path, "%s", path);
  file.length = length;
}

// The length of an open file, or -1 when it cannot be told.
long fileLength(FILE* f) {
  if (std::fseek(f, 0, SEEK_END) != 0) return -1;
  long length = std::ftell(f);
  if (std::fseek(f, 0, SEEK_SET) != 0) return -1;
  return length;
}
}  // namespace

std::unique_ptr<LoadedFile> readFile(const char* path) {
  FILE* f = std::fopen(path, "rb");
  if (!f) {
    std::printf("Open Error.\r\n");
    return nullptr;
  }
  auto file = std::make_unique<LoadedFile>();
  long length = fileLength(f);
  bool ok = length > 0 && length <= INT32_MAX;
  if (ok) {
    file->data.resize(static_cast<size_t>(length));
    ok = std::fread(file->data.data(), static_cast<size_t>(length), 1, f) == 1;
  }
  std::fclose(f);
  if (!ok) {
    std::printf("Read Error.\r\n");
    file->data.clear();  // nothing of it was read for sure
    return file;
  }
  std::printf("Read Succeed.\r\n");
  recordPath(*file, path, static_cast<int32_t>(length));
  return file;
}

bool readWholeFile(const char* path, std::vector<uint8_t>& bytes) {
  std::unique_ptr<LoadedFile> file = readFile(path);
  if (!file) return false;
  bytes = std::move(file->data);
  return true;
}

std::unique_ptr<LoadedFile> createFile(int32_t length, const char* path) {
  // Only tried, not written: the file appears when its owner writes it back whole, so a
  // start killed in between leaves nothing behind.
  SaveOutcome trial =
      length > 0 ? trySave(path, static_cast<size_t>(length)) : SaveOutcome::WriteFailed;
  if (trial == SaveOutcome::OpenFailed) {
    std::printf("Open Error.\r\n");
    return nullptr;
  }
  auto file = std::make_unique<LoadedFile>();
  file->data.assign(static_cast<size_t>(length > 0 ? length : 0), 0);
  if (trial != SaveOutcome::Saved) {
    std::printf("Create Error.\r\n");
    return file;
  }
  std::printf("CrF Succeed.\r\n");
  recordPath(*file, path, length);
  return file;
}

int32_t writeBack(const LoadedFile& file) {
  size_t length = static_cast<size_t>(file.length);
  bool whole = file.length > 0 && length <= file.data.size();
  SaveOutcome outcome = !file.path[0] ? SaveOutcome::OpenFailed
                        : whole       ? saveWholeFile(file.path, file.data.data(), length)
                                      : SaveOutcome::WriteFailed;
  if (outcome == SaveOutcome::OpenFailed) {
    std::printf("Open Error.\r\n");
    return 0;
  }
  if (outcome == SaveOutcome::WriteFailed) {
    std::printf("Write Error.\r\n");
    return 0;
  }
  std::printf("Write Succeed.\r\n");
  return 1;
}
