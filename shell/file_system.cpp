#include "shell/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {
#ifdef _WIN32
constexpr int FreshFlags = _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY;
constexpr int ExistingFlags = _O_WRONLY | _O_BINARY;
constexpr int FreshMode = _S_IREAD | _S_IWRITE;
int sysOpen(const char* path, int flags, int mode = 0) { return _open(path, flags, mode); }
bool sysWrite(int fd, const uint8_t* bytes, size_t n) {
  return _write(fd, bytes, static_cast<unsigned>(n)) == static_cast<int>(n);
}
int sysClose(int fd) { return _close(fd); }
int sysUnlink(const char* path) { return _unlink(path); }
bool sysSync(int fd) { return _commit(fd) == 0; }
bool sysTruncate(int fd, size_t n) { return _chsize_s(fd, static_cast<long long>(n)) == 0; }
bool sysSeekStart(int fd) { return _lseeki64(fd, 0, SEEK_SET) == 0; }
int processId() { return _getpid(); }
#else
constexpr int FreshFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
// Non-blocking so that a named pipe without a reader fails rather than hangs.
constexpr int ExistingFlags = O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
constexpr int FreshMode = 0666;  // less the umask, as fopen makes new files
int sysOpen(const char* path, int flags, int mode = 0) { return open(path, flags, mode); }
// Writes every byte, however the kernel splits the write.
bool sysWrite(int fd, const uint8_t* bytes, size_t n) {
  while (n > 0) {
    ssize_t done = write(fd, bytes, n);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    bytes += done;
    n -= static_cast<size_t>(done);
  }
  return true;
}
int sysClose(int fd) { return close(fd); }
int sysUnlink(const char* path) { return unlink(path); }
bool sysSync(int fd) { return fsync(fd) == 0; }
bool sysTruncate(int fd, size_t n) { return ftruncate(fd, static_cast<off_t>(n)) == 0; }
bool sysSeekStart(int fd) { return lseek(fd, 0, SEEK_SET) == 0; }
int processId() { return static_cast<int>(getpid()); }
#endif

// Where the bytes go: the old file open for writing (when there is one) and the fresh
// temporary file beside it (when one could be made).
struct Destination {
  std::string target;
  int existing = -1;
  bool regular = false;
  struct stat old {};
  int temp = -1;
  std::string tempPath;
};

#ifndef _WIN32
std::string folderOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
#endif

// The file a chain of links ends at, which need not exist yet; empty for a chain that
// never ends. Renaming over the link itself would cut it from the player's real file.
std::string followLinks(const char* path) {
  std::string p = path;
#ifndef _WIN32
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st {};
    if (lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
    std::vector<char> link(static_cast<size_t>(st.st_size > 0 ? st.st_size : 255) + 2);
    ssize_t n = readlink(p.c_str(), link.data(), link.size() - 1);
    if (n <= 0 || static_cast<size_t>(n) >= link.size() - 1) return {};
    std::string next(link.data(), static_cast<size_t>(n));
    p = next[0] == '/' ? next : folderOf(p) + next;
  }
  return {};
#else
  return p;
#endif
}

// A temporary file that is ours alone: created, never opened through a link planted at
// its name. A leftover of a killed save (or anything but a folder) at the usual name is
// removed, which never touches what a link names; past a folder, a name of this
// process is used.
int openFresh(const std::string& target, std::string& name) {
  name = target + ".tmp";
  int fd = sysOpen(name.c_str(), FreshFlags, FreshMode);
  if (fd >= 0 || errno != EEXIST) return fd;
  struct stat st {};
#ifndef _WIN32
  bool folder = lstat(name.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
#else
  bool folder = stat(name.c_str(), &st) == 0 && (st.st_mode & _S_IFDIR);
#endif
  if (!folder && sysUnlink(name.c_str()) == 0) {
    fd = sysOpen(name.c_str(), FreshFlags, FreshMode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  for (int n = 0; n < 16; ++n) {
    name = target + ".tmp." + std::to_string(processId()) + "." + std::to_string(n);
    fd = sysOpen(name.c_str(), FreshFlags, FreshMode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

void closeAll(Destination& d) {
  if (d.existing >= 0) sysClose(d.existing);
  if (d.temp >= 0) sysClose(d.temp);
  d.existing = d.temp = -1;
}

// Opening the old file for writing is the permission check the save has always made:
// a read-only file (or a folder) is refused. Anything but a regular file is written in
// place, as it always was; a rename would put a file where the device or pipe was.
bool openDestination(const char* path, Destination& d) {
  d.target = followLinks(path);
  if (d.target.empty()) return false;
  d.existing = sysOpen(d.target.c_str(), ExistingFlags);
  if (d.existing < 0 && errno != ENOENT) return false;
  if (d.existing >= 0) {
    if (fstat(d.existing, &d.old) != 0) {
      closeAll(d);
      return false;
    }
    d.regular = (d.old.st_mode & S_IFMT) == S_IFREG;
    if (!d.regular) return true;
  }
  d.temp = openFresh(d.target, d.tempPath);
  return d.temp >= 0 || d.existing >= 0;
}

// The new file keeps what the player set on the old one. Best effort: a file system
// without permission bits refuses, and the owner can be given back only by root.
void keepOwnerAndMode(const Destination& d) {
#ifndef _WIN32
  if (d.existing < 0) return;
  if (fchown(d.temp, d.old.st_uid, d.old.st_gid) != 0) {
    // Not ours to give: the file stays with whoever saves it.
  }
  fchmod(d.temp, d.old.st_mode & 07777);
#else
  (void)d;
#endif
}

bool replaceByRename(const std::string& from, const std::string& to) {
#ifdef _WIN32
  return MoveFileExA(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
  return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

// The rename is on the disk only once the folder is; where a folder cannot be opened
// or synced, the file system keeps it its own way.
void syncFolderOf(const std::string& target) {
#ifndef _WIN32
  std::string folder = folderOf(target);
  int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
#else
  (void)target;
#endif
}

bool writeThroughTemporary(Destination& d, const uint8_t* bytes, size_t length) {
  keepOwnerAndMode(d);
  // Windows renames nothing over a file that is still open.
  if (d.existing >= 0) sysClose(d.existing);
  d.existing = -1;
  bool ok = sysWrite(d.temp, bytes, length) && sysSync(d.temp);
  ok = sysClose(d.temp) == 0 && ok;
  d.temp = -1;
  ok = ok && replaceByRename(d.tempPath, d.target);
  if (!ok) {
    sysUnlink(d.tempPath.c_str());
    return false;
  }
  syncFolderOf(d.target);
  return true;
}

// The last resort for a folder that takes no new file: not proof against a kill, but
// the player's file is still saved.
bool writeInPlace(const Destination& d, const uint8_t* bytes, size_t length) {
  if (!d.regular) return sysWrite(d.existing, bytes, length);
  return sysSeekStart(d.existing) && sysWrite(d.existing, bytes, length) &&
         sysTruncate(d.existing, length) && sysSync(d.existing);
}
}  // namespace

SaveOutcome saveWholeFile(const char* path, const uint8_t* bytes, size_t length) {
  Destination d;
  if (!openDestination(path, d)) return SaveOutcome::OpenFailed;
  bool ok = d.temp >= 0 ? writeThroughTemporary(d, bytes, length) : writeInPlace(d, bytes, length);
  closeAll(d);
  return ok ? SaveOutcome::Saved : SaveOutcome::WriteFailed;
}

SaveOutcome trySave(const char* path, size_t length) {
  Destination d;
  if (!openDestination(path, d)) return SaveOutcome::OpenFailed;
  bool ok = true;
  if (d.temp >= 0) {
    std::vector<uint8_t> zeros(length, 0);
    ok = sysWrite(d.temp, zeros.data(), length);
    ok = sysClose(d.temp) == 0 && ok;
    d.temp = -1;
    sysUnlink(d.tempPath.c_str());
  }
  closeAll(d);
  return ok ? SaveOutcome::Saved : SaveOutcome::WriteFailed;
}

bool isEmptyFile(const char* path) {
  struct stat st {};
  return stat(path, &st) == 0 && (st.st_mode & S_IFMT) == S_IFREG && st.st_size == 0;
}
