#include "shell/file_buffer.h"

#include <cstdio>
#include <cstring>
#include <string>
#ifndef _WIN32
#include <unistd.h>
#endif

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

// Where a file is written before it is renamed into place.
std::string temporaryPath(const char* path) { return std::string(path) + ".tmp"; }

// Flushes a file to the disk before it replaces the old one.
bool flushToDisk(FILE* f) {
  if (std::fflush(f) != 0) return false;
#ifndef _WIN32
  if (fsync(fileno(f)) != 0) return false;
#endif
  return true;
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

std::unique_ptr<LoadedFile> createFile(int32_t length, const char* path) {
  // Made under the temporary name that write-back renames into place: the file itself
  // appears only whole, with what its owner wrote back into it, even if the process is
  // killed in between.
  std::string temp = temporaryPath(path);
  FILE* f = std::fopen(temp.c_str(), "wb+");
  if (!f) {
    std::printf("Open Error.\r\n");
    return nullptr;
  }
  auto file = std::make_unique<LoadedFile>();
  file->data.assign(static_cast<size_t>(length > 0 ? length : 0), 0);
  bool ok = length > 0 && std::fwrite(file->data.data(), static_cast<size_t>(length), 1, f) == 1;
  ok = std::fclose(f) == 0 && ok;
  if (!ok) {
    std::remove(temp.c_str());
    std::printf("Create Error.\r\n");
    return file;
  }
  std::printf("CrF Succeed.\r\n");
  recordPath(*file, path, length);
  return file;
}

int32_t writeBack(const LoadedFile& file) {
  std::string temp = temporaryPath(file.path);
  FILE* f = file.path[0] ? std::fopen(temp.c_str(), "wb") : nullptr;
  if (!f) {
    std::printf("Open Error.\r\n");
    return 0;
  }
  size_t length = static_cast<size_t>(file.length);
  bool ok = file.length > 0 && length <= file.data.size() &&
            std::fwrite(file.data.data(), length, 1, f) == 1;
  ok = flushToDisk(f) && ok;
  ok = std::fclose(f) == 0 && ok;
  ok = ok && std::rename(temp.c_str(), file.path) == 0;
  if (!ok) {
    std::remove(temp.c_str());
    std::printf("Write Error.\r\n");
    return 0;
  }
  std::printf("Write Succeed.\r\n");
  return 1;
}
