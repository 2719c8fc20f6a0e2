#include "shell/file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "shell/file_buffer.h"
#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;

namespace {
using Bytes = std::vector<unsigned char>;

const Bytes OldBytes(64, 'o');
const Bytes NewBytes(48, 'n');

// Writes NewBytes back to the path as the game saves, and answers what it printed.
std::string save(const char* path = "bravin.pref") {
  LoadedFile file;
  std::snprintf(file.path, sizeof file.path, "%s", path);
  file.data = NewBytes;
  file.length = static_cast<int32_t>(NewBytes.size());
  StdoutCapture out;
  writeBack(file);
  return out.finish();
}

mode_t modeOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Names in the folder, to see that no temporary file is left behind.
size_t entriesIn(const std::string& folder) {
  size_t n = 0;
  for ([[maybe_unused]] auto& e : fs::directory_iterator(folder)) ++n;
  return n;
}

constexpr uid_t Nobody = 65534;
enum ChildStatus { ChildTrue = 0, ChildFalse = 1, ChildCannotDrop = 3 };

// Root passes every permission check, so a read-only file or folder means nothing to it.
// The cases that depend on permissions therefore run in a child that has given up root
// for an ordinary user (the folder handed over to it first), where the kernel's own
// checks apply. Without root the child simply runs as the caller.
ChildStatus inUnprivilegedChild(const TempFolder& dir, bool (*what)()) {
  bool root = geteuid() == 0;
  if (root) {
    for (auto& e : fs::recursive_directory_iterator(dir.path()))
      if (lchown(e.path().c_str(), Nobody, Nobody) != 0) return ChildCannotDrop;
    if (chown(dir.path().c_str(), Nobody, Nobody) != 0) return ChildCannotDrop;
  }
  pid_t child = fork();
  if (child == 0) {
    if (root && (setgid(Nobody) != 0 || setuid(Nobody) != 0)) _exit(ChildCannotDrop);
    _exit(what() ? ChildTrue : ChildFalse);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return ChildFalse;
  return static_cast<ChildStatus>(WEXITSTATUS(status));
}

#define EXPECT_TRUE_UNPRIVILEGED(dir, what)                               \
  do {                                                                    \
    ChildStatus s = inUnprivilegedChild(dir, what);                       \
    if (s == ChildCannotDrop) GTEST_SKIP() << "cannot give up root here"; \
    EXPECT_EQ(s, ChildTrue);                                              \
  } while (0)
}  // namespace

TEST(Save, AReadOnlyFileIsNotReplaced) {
  TempFolder dir;
  dir.write("bravin.pref", OldBytes);
  ::chmod("bravin.pref", 0444);
  EXPECT_TRUE_UNPRIVILEGED(dir, [] { return save() == "Open Error.\r\n"; });
  EXPECT_EQ(dir.read("bravin.pref"), OldBytes);
  EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(Save, AWritableFileInAFolderThatTakesNoNewFileIsWrittenInPlace) {
  TempFolder dir;
  dir.write("bravin.pref", OldBytes);
  ::chmod(".", 0555);
  EXPECT_TRUE_UNPRIVILEGED(dir, [] { return save() == "Write Succeed.\r\n"; });
  ::chmod(".", 0755);
  EXPECT_EQ(dir.read("bravin.pref"), NewBytes);
  EXPECT_EQ(entriesIn(dir.path()), 1u);
  // A first run there has nowhere to put its file.
  ::unlink("bravin.pref");
  ::chmod(".", 0555);
  EXPECT_TRUE_UNPRIVILEGED(dir, [] { return save() == "Open Error.\r\n"; });
  EXPECT_EQ(entriesIn(dir.path()), 0u);
}

TEST(Save, TheFileKeepsItsPermissionBits) {
  TempFolder dir;
  dir.write("bravin.pref", OldBytes);
  ::chmod("bravin.pref", 0604);
  EXPECT_EQ(save(), "Write Succeed.\r\n");
  EXPECT_EQ(dir.read("bravin.pref"), NewBytes);
  EXPECT_EQ(modeOf("bravin.pref"), 0604u);
  // A new file is made as any other, by the umask.
  mode_t previous = ::umask(027);
  EXPECT_EQ(save("fresh.pref"), "Write Succeed.\r\n");
  ::umask(previous);
  EXPECT_EQ(modeOf("fresh.pref"), 0640u);
}

TEST(Save, ALinkedFileIsUpdatedWhereItLies) {
  TempFolder dir;
  dir.write("keep/real.pref", OldBytes);
  ::symlink("keep/real.pref", "middle.pref");
  ::symlink("middle.pref", "bravin.pref");
  ::chmod("keep/real.pref", 0600);
  EXPECT_EQ(save(), "Write Succeed.\r\n");
  EXPECT_EQ(dir.read("keep/real.pref"), NewBytes);
  EXPECT_EQ(modeOf("keep/real.pref"), 0600u);
  EXPECT_TRUE(fs::is_symlink("bravin.pref"));
  EXPECT_TRUE(fs::is_symlink("middle.pref"));
  EXPECT_EQ(entriesIn(dir.path() + "/keep"), 1u);

  // A link to a file not made yet makes it there.
  ::symlink("keep/new.pref", "dangling.pref");
  EXPECT_EQ(save("dangling.pref"), "Write Succeed.\r\n");
  EXPECT_EQ(dir.read("keep/new.pref"), NewBytes);

  // A chain that never ends leads nowhere.
  ::symlink("loop.b", "loop.a");
  ::symlink("loop.a", "loop.b");
  EXPECT_EQ(save("loop.a"), "Open Error.\r\n");
  EXPECT_TRUE(fs::is_symlink("loop.a"));
}

TEST(Save, WhatLiesAtTheTemporaryNameNeverBlocksASaveNorIsWrittenThrough) {
  TempFolder dir;
  dir.write("bravin.pref", OldBytes);
  // A leftover of a save that was killed.
  dir.write("bravin.pref.tmp", Bytes(5, 'x'));
  EXPECT_EQ(save(), "Write Succeed.\r\n");
  EXPECT_EQ(dir.read("bravin.pref"), NewBytes);
  EXPECT_FALSE(dir.exists("bravin.pref.tmp"));

  // A link planted there must not carry the bytes to the file it names.
  dir.write("victim", OldBytes);
  ::symlink("victim", "bravin.pref.tmp");
  EXPECT_EQ(save(), "Write Succeed.\r\n");
  EXPECT_EQ(dir.read("victim"), OldBytes);
  EXPECT_EQ(dir.read("bravin.pref"), NewBytes);
  EXPECT_FALSE(fs::is_symlink("bravin.pref"));

  // A folder there stays; the save goes round it and leaves nothing else behind.
  dir.write("bravin.pref", OldBytes);
  ::mkdir("bravin.pref.tmp", 0755);
  EXPECT_EQ(save(), "Write Succeed.\r\n");
  EXPECT_EQ(save(), "Write Succeed.\r\n");
  EXPECT_EQ(dir.read("bravin.pref"), NewBytes);
  EXPECT_TRUE(fs::is_directory("bravin.pref.tmp"));
  EXPECT_EQ(entriesIn(dir.path()), 3u);
}

TEST(Save, AKillAtAnyMomentLeavesTheOldOrTheNewFileWhole) {
  TempFolder dir;
  const Bytes small(3000, 'a');
  const Bytes large(9000, 'b');
  dir.write("bravin.pref", small);
  for (int run = 0; run < 20; ++run) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) {
        const Bytes& b = i % 2 ? small : large;
        saveWholeFile("bravin.pref", b.data(), b.size());
      }
    }
    ::usleep(static_cast<useconds_t>(500 + 700 * run));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    Bytes now = dir.read("bravin.pref");
    ASSERT_TRUE(now == small || now == large) << "run " << run << ": " << now.size() << " bytes";
  }
}
