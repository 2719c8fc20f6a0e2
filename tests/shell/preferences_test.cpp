#include "shell/preferences.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

#include "game/game_state.h"
#include "shell/input.h"
#include "tests/support/file_words.h"
#include "tests/support/temp_folder.h"

namespace {
using Bytes = std::vector<unsigned char>;

// Starts the program's preferences handling and answers what it printed.
std::string load() {
  StdoutCapture out;
  loadOrCreatePreferences();
  return out.finish();
}
std::string save() {
  StdoutCapture out;
  savePreferences();
  return out.finish();
}

// Whether what runs answers true in a child whose files may not grow past 1000 bytes,
// as on a full disk.
bool trueOnAFullDisk(bool (*what)()) {
  pid_t child = fork();
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{1000, 1000};
    setrlimit(RLIMIT_FSIZE, &limit);
    _exit(what() ? 0 : 1);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A file as a first run leaves it after a normal end with the given coins.
Bytes savedFile(TempFolder& dir, int32_t coins) {
  load();
  CoinCount = coins;
  save();
  return dir.read("bravin.pref");
}
}  // namespace

TEST(Preferences, FirstRunCreatesADefaultFile) {
  TempFolder dir;
  EXPECT_EQ(load(), "Open Error.\r\nCrF Succeed.\r\nWrite Succeed.\r\n");
  Bytes b = dir.read("bravin.pref");
  ASSERT_EQ(b.size(), 2536u);
  const int32_t keys[8] = {273, 276, 275, 274, 122, 120, 304, 32};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(wordAt(b, 4 * i), keys[i]);
  const int32_t settings[4] = {1, 3, 2, 0};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(wordAt(b, 0x600 + 4 * i), settings[i]);
  for (size_t i = 0; i < b.size(); ++i) {
    if (i < 0x20 || (i >= 0x600 && i < 0x60C)) continue;
    ASSERT_EQ(b[i], 0) << "byte " << i;
  }
  EXPECT_EQ(CoinCount, 1);
}

TEST(Preferences, FirstSaveStoresTheCoinAndItsIntegrityWord) {
  TempFolder dir;
  load();
  EXPECT_EQ(save(), "Write Succeed.\r\n");
  Bytes b = dir.read("bravin.pref");
  ASSERT_EQ(b.size(), 2536u);
  EXPECT_EQ(wordAt(b, 0x620), 1);
  EXPECT_EQ(wordAt(b, 0x78C), 1);
  EXPECT_FALSE(dir.exists("bravin.pref.tmp"));
}

TEST(Preferences, ASavedFileLoadsItsCoinsKeysAndSettings) {
  TempFolder dir;
  Bytes b = savedFile(dir, 7);
  setWordAt(b, 0x004, 97);  // Left
  setWordAt(b, 0x608, 3);   // frame-skip
  dir.write("bravin.pref", b);
  EXPECT_EQ(load(), "Read Succeed.\r\n");
  EXPECT_EQ(CoinCount, 7);
  EXPECT_EQ(ActiveKeyMap[MapLeft], 97);
  EXPECT_EQ(settingsWord(SettingFrameSkip), 3);
}

TEST(Preferences, EditedCoinsWithoutTheIntegrityWordGiveNoCoins) {
  TempFolder dir;
  Bytes b = savedFile(dir, 2);
  setWordAt(b, 0x620, 99);
  dir.write("bravin.pref", b);
  load();
  EXPECT_EQ(CoinCount, 0);
  save();
  Bytes after = dir.read("bravin.pref");
  EXPECT_EQ(wordAt(after, 0x620), 0);
  EXPECT_EQ(wordAt(after, 0x78C), 0 ^ wordAt(after, 0x624) ^ wordAt(after, 0x648));
}

TEST(Preferences, EditingTheGuardedScoresLosesTheCoins) {
  for (size_t guarded : {size_t(0x624), size_t(0x648)}) {
    TempFolder dir;
    Bytes b = savedFile(dir, 3);
    setWordAt(b, guarded, 5000);
    dir.write("bravin.pref", b);
    load();
    EXPECT_EQ(CoinCount, 0) << std::hex << guarded;
  }
}

TEST(Preferences, EditingOtherRankingEntriesTextsOrSettingsKeepsTheCoins) {
  TempFolder dir;
  Bytes saved = savedFile(dir, 4);
  for (int entry = 1; entry <= 8; ++entry) {
    Bytes b = saved;
    setWordAt(b, 0x624 + 4 * entry, 123456);
    dir.write("bravin.pref", b);
    load();
    EXPECT_EQ(CoinCount, 4) << "entry " << entry;
  }
  Bytes b = saved;
  std::memcpy(&b[0x64C + 32 * 3], "26/12/07", 9);
  setWordAt(b, 0x604, 1);
  dir.write("bravin.pref", b);
  load();
  EXPECT_EQ(CoinCount, 4);
}

TEST(Preferences, AShortFileKeepsWhatItHoldsAndFillsTheRestWithDefaults) {
  TempFolder dir;
  Bytes b = savedFile(dir, 1);
  setWordAt(b, 0x000, 119);  // Up
  b.resize(0x0A);            // Up whole, Left cut in half
  dir.write("bravin.pref", b);
  EXPECT_EQ(load(), "Read Succeed.\r\n");
  EXPECT_EQ(ActiveKeyMap[MapUp], 119);
  EXPECT_EQ(ActiveKeyMap[MapLeft], 276);
  EXPECT_EQ(ActiveKeyMap[MapStart], 32);
  EXPECT_EQ(settingsWord(SettingFrameSkip), 2);
  EXPECT_EQ(settingsWord(SettingMeshDetail), 3);
  EXPECT_EQ(CoinCount, 0);
  // The save writes the whole record, so the file is mended.
  EXPECT_EQ(save(), "Write Succeed.\r\n");
  EXPECT_EQ(dir.read("bravin.pref").size(), 2536u);
}

TEST(Preferences, AnEmptyFileIsMadeAnewAsOnAFirstRun) {
  TempFolder dir;
  dir.write("bravin.pref", {});
  ::chmod("bravin.pref", 0600);
  EXPECT_EQ(load(), "Read Error.\r\nCrF Succeed.\r\nWrite Succeed.\r\n");
  EXPECT_EQ(ActiveKeyMap[MapRight], 275);
  EXPECT_EQ(CoinCount, 1);
  Bytes b = dir.read("bravin.pref");
  ASSERT_EQ(b.size(), 2536u);
  EXPECT_EQ(wordAt(b, 0x01C), 32);
  EXPECT_EQ(wordAt(b, 0x604), 3);
  struct stat st {};
  ASSERT_EQ(::stat("bravin.pref", &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(save(), "Write Succeed.\r\n");
  EXPECT_EQ(wordAt(dir.read("bravin.pref"), 0x620), 1);
}

TEST(Preferences, AnUnreadableFileIsLeftAlone) {
  TempFolder dir;
  // A folder of that name opens but cannot be read.
  ::mkdir("bravin.pref", 0755);
  std::string printed = load();
  EXPECT_TRUE(printed == "Read Error.\r\n" || printed.rfind("Open Error.\r\n", 0) == 0) << printed;
  EXPECT_EQ(ActiveKeyMap[MapDown], 274);
  save();
  struct stat st {};
  ASSERT_EQ(::stat("bravin.pref", &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
}

TEST(Preferences, ALongerFileKeepsItsExtraBytes) {
  TempFolder dir;
  Bytes b = savedFile(dir, 1);
  b.push_back(0xAB);
  dir.write("bravin.pref", b);
  load();
  save();
  Bytes after = dir.read("bravin.pref");
  ASSERT_EQ(after.size(), 2537u);
  EXPECT_EQ(after.back(), 0xAB);
}

TEST(Preferences, AFullDiskDuringTheSaveKeepsTheOldFile) {
  TempFolder dir;
  Bytes before = savedFile(dir, 5);
  load();
  CoinCount = 6;
  // The save runs out of room half-way.
  EXPECT_TRUE(trueOnAFullDisk([] { return save() == "Write Error.\r\n"; }));
  EXPECT_EQ(dir.read("bravin.pref"), before);
  EXPECT_FALSE(dir.exists("bravin.pref.tmp"));
}

TEST(Preferences, AFullDiskOnTheFirstRunLeavesNoFileBehind) {
  TempFolder dir;
  // The new file cannot be written whole: nothing may appear, least of all a file of
  // zeros whose keys would all read as 0 at the next start.
  EXPECT_TRUE(
      trueOnAFullDisk([] { return load() == "Open Error.\r\nCreate Error.\r\nOpen Error.\r\n"; }));
  EXPECT_FALSE(dir.exists("bravin.pref"));
  EXPECT_FALSE(dir.exists("bravin.pref.tmp"));
}

TEST(Preferences, AFirstStartKilledBeforeItsWriteBackLeavesNoFileAndTheNextStartMakesIt) {
  TempFolder dir;
  // What a start killed right after creating the file leaves behind.
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    StdoutCapture quiet;
    createFile(PreferencesSize, "bravin.pref");
    _exit(0);
  }
  waitpid(child, nullptr, 0);
  EXPECT_FALSE(dir.exists("bravin.pref"));
  EXPECT_EQ(load(), "Open Error.\r\nCrF Succeed.\r\nWrite Succeed.\r\n");
  Bytes b = dir.read("bravin.pref");
  ASSERT_EQ(b.size(), 2536u);
  EXPECT_EQ(wordAt(b, 0x000), 273);
  EXPECT_EQ(wordAt(b, 0x604), 3);
  EXPECT_FALSE(dir.exists("bravin.pref.tmp"));
}

TEST(Preferences, AnAllZeroFileLeftByAnEarlierKilledStartGetsTheDefaultKeysAndSettings) {
  TempFolder dir;
  dir.write("bravin.pref", Bytes(2536, 0));
  EXPECT_EQ(load(), "Read Succeed.\r\n");
  EXPECT_EQ(ActiveKeyMap[MapUp], 273);
  EXPECT_EQ(ActiveKeyMap[MapStart], 32);
  EXPECT_EQ(settingsWord(SettingMusic), 1);
  EXPECT_EQ(settingsWord(SettingMeshDetail), 3);
  EXPECT_EQ(settingsWord(SettingFrameSkip), 2);
  EXPECT_EQ(CoinCount, 0);
  EXPECT_EQ(save(), "Write Succeed.\r\n");
  Bytes b = dir.read("bravin.pref");
  ASSERT_EQ(b.size(), 2536u);
  EXPECT_EQ(wordAt(b, 0x01C), 32);
  EXPECT_EQ(wordAt(b, 0x620), 0);

  // Any byte a save wrote means the file is used as it stands.
  Bytes ranked(2536, 0);
  setWordAt(ranked, 0x624 + 4, 500);
  dir.write("bravin.pref", ranked);
  load();
  EXPECT_EQ(ActiveKeyMap[MapUp], 0);
  EXPECT_EQ(rankScore(1), 500);
}
