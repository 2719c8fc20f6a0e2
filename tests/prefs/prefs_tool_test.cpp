#include "tools/prefs/prefs_tool.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "shell/input.h"
#include "shell/preferences.h"
#include "tests/support/file_words.h"
#include "tests/support/temp_folder.h"

namespace {
using Bytes = std::vector<unsigned char>;

struct ToolRun {
  int status;
  std::string printed;
};

ToolRun tool(std::vector<std::string> args) {
  args.insert(args.begin(), "bravin-prefs");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  StdoutCapture out;
  int status = runPrefsTool(static_cast<int>(argv.size()), argv.data());
  return {status, out.finish()};
}

// What the game itself makes of the file at its next start.
void gameLoads() {
  StdoutCapture quiet;
  loadOrCreatePreferences();
}

// A file the game saved at the end of a run, with coins and a ranking.
Bytes gameSavedFile(const TempFolder& dir, int32_t coins) {
  gameLoads();
  StdoutCapture quiet;
  setPrefWord(PrefOffset::RankScores, 90000);
  setPrefWord(PrefOffset::RankScores + 4 * 9, 1200);
  std::strcpy(rankText(0), "26/01/02");
  CoinCount = coins;
  savePreferences();
  return dir.read("bravin.pref");
}
}  // namespace

TEST(PrefsTool, ASetKeyOrSettingIsWhatTheGameReadsAndTheCoinsStayGood) {
  TempFolder dir;
  Bytes before = gameSavedFile(dir, 7);
  EXPECT_EQ(tool({"set", "left", "a"}).status, 0);
  EXPECT_EQ(tool({"set", "start", "Left Shift"}).status, 0);
  EXPECT_EQ(tool({"set", "b", "13"}).status, 0);  // by key code
  EXPECT_EQ(tool({"set", "up", "8"}).status, 0);  // a digit names the digit's key
  EXPECT_EQ(tool({"set", "music", "off"}).status, 0);
  EXPECT_EQ(tool({"set", "filter", "1"}).status, 0);
  EXPECT_EQ(tool({"set", "detail", "4"}).status, 0);
  EXPECT_EQ(tool({"set", "frameskip", "12"}).status, 0);

  gameLoads();
  EXPECT_EQ(ActiveKeyMap[MapLeft], 97);
  EXPECT_EQ(ActiveKeyMap[MapStart], 304);
  EXPECT_EQ(ActiveKeyMap[MapB], 13);
  EXPECT_EQ(ActiveKeyMap[MapUp], 56);
  EXPECT_EQ(ActiveKeyMap[MapDown], 274);
  EXPECT_EQ(settingsWord(SettingMusic), 0);
  EXPECT_EQ(settingsWord(SettingTextureFilter), 1);
  EXPECT_EQ(settingsWord(SettingMeshDetail), 4);
  EXPECT_EQ(settingsWord(SettingFrameSkip), 12);
  EXPECT_EQ(CoinCount, 7);

  Bytes after = dir.read("bravin.pref");
  ASSERT_EQ(after.size(), before.size());
  for (size_t at = PrefOffset::Coins; at < after.size(); ++at) ASSERT_EQ(after[at], before[at]);
  EXPECT_FALSE(dir.exists("bravin.pref.tmp"));
}

TEST(PrefsTool, ABadCommandNameOrValueExitsWithTwoAndLeavesTheFileAlone) {
  TempFolder dir;
  Bytes before = gameSavedFile(dir, 3);
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"rename"},
      {"show", "extra"},
      {"set", "up"},
      {"set", "jump", "w"},
      {"set", "up", "no such key"},
      {"set", "up", "323"},
      {"set", "up", "unknown key"},
      {"set", "up", "-5"},
      {"set", "music", "maybe"},
      {"set", "detail", "0"},
      {"set", "detail", "5"},
      {"set", "frameskip", "0"},
      {"set", "frameskip", "1.5"},
      {"set", "frameskip", "99999999999"},
      {"--file"},
  };
  for (const auto& args : bad) {
    std::string line;
    for (const auto& a : args) line += a + " ";
    EXPECT_EQ(tool(args).status, 2) << line;
    EXPECT_EQ(dir.read("bravin.pref"), before) << line;
  }
  // Nor is a file made where there was none.
  EXPECT_EQ(tool({"--file", "other.pref", "set", "detail", "9"}).status, 2);
  EXPECT_FALSE(dir.exists("other.pref"));
}

TEST(PrefsTool, ClearingTheRankingKeepsTheCoinsAndOnlyAGoodIntegrityWord) {
  TempFolder dir;
  gameSavedFile(dir, 5);
  EXPECT_EQ(tool({"clear-ranking"}).status, 0);
  gameLoads();
  for (int32_t entry = 0; entry < RankEntries; ++entry) {
    EXPECT_EQ(rankScore(entry), 0);
    EXPECT_EQ(rankText(entry)[0], 0);
  }
  EXPECT_EQ(CoinCount, 5);

  // Coins raised by hand stay worth nothing: the tool never makes them good.
  Bytes edited = gameSavedFile(dir, 5);
  setWordAt(edited, PrefOffset::Coins, 999);
  dir.write("bravin.pref", edited);
  EXPECT_EQ(tool({"clear-ranking"}).status, 0);
  Bytes after = dir.read("bravin.pref");
  EXPECT_EQ(wordAt(after, PrefOffset::Coins), 999);
  gameLoads();
  EXPECT_EQ(CoinCount, 0);
}

TEST(PrefsTool, AMissingFileIsShownAsMissingAndSetStartsFromAFirstRunsFile) {
  TempFolder dir;
  ToolRun shown = tool({"--file", "mine.pref", "show"});
  EXPECT_EQ(shown.status, 1);
  EXPECT_NE(shown.printed.find("no preferences file"), std::string::npos) << shown.printed;
  EXPECT_FALSE(dir.exists("mine.pref"));

  EXPECT_EQ(tool({"--file", "mine.pref", "set", "down", "s"}).status, 0);
  Bytes b = dir.read("mine.pref");
  ASSERT_EQ(b.size(), 2536u);
  EXPECT_EQ(wordAt(b, 0x000), 273);
  EXPECT_EQ(wordAt(b, 0x00C), 115);
  EXPECT_EQ(wordAt(b, 0x604), 3);
  EXPECT_EQ(wordAt(b, PrefOffset::Coins), 0);
  EXPECT_EQ(wordAt(b, PrefOffset::Integrity), 0);
}

TEST(PrefsTool, ShowNamesTheKeysSettingsAndRanking) {
  TempFolder dir;
  Bytes b = gameSavedFile(dir, 2);
  // A text with no end inside its field is shown only up to the field's end.
  std::memset(&b[PrefOffset::RankTexts + RankTextSize * 9], 'x', RankTextSize);
  dir.write("bravin.pref", b);
  ToolRun shown = tool({"show"});
  EXPECT_EQ(shown.status, 0);
  const std::string expectedParts[] = {"left shift (304)",  "space (32)", "detail     3",
                                       "music      on",     "Coins: 2\n", "90000  26/01/02",
                                       std::string(32, 'x')};
  for (const std::string& expected : expectedParts) {
    EXPECT_NE(shown.printed.find(expected), std::string::npos) << expected;
  }
  EXPECT_EQ(shown.printed.find(std::string(33, 'x')), std::string::npos);
}
