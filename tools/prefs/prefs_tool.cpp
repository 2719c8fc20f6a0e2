#include "tools/prefs/prefs_tool.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "shell/input.h"
#include "shell/preferences.h"
#include "tools/prefs/key_names.h"

namespace {
struct Command {
  std::string path = PreferencesPath;
  std::vector<std::string> words;  // the command and its arguments
};

// The key words of the file in the order it keeps them.
const char* const KeyWordNames[KeyMapSize] = {"up", "left", "right", "down",
                                              "a",  "b",    "spare", "start"};

// One settings word: its name and the values it takes.
enum class SettingKind { Switch, DetailLevel, FrameSkip };
struct SettingRow {
  const char* name;
  SettingsWord word;
  SettingKind kind;
};
const SettingRow SettingRows[] = {
    {"music", SettingMusic, SettingKind::Switch},
    {"detail", SettingMeshDetail, SettingKind::DetailLevel},
    {"frameskip", SettingFrameSkip, SettingKind::FrameSkip},
    {"filter", SettingTextureFilter, SettingKind::Switch},
};

// A change to make: the offset of the word and its new value.
struct Change {
  int32_t offset = -1;
  int32_t value = 0;
};

int usage() {
  std::fprintf(stderr,
               "usage: bravin-prefs [--file PATH] show | set NAME VALUE | clear-ranking\n"
               "NAME is a key (up left right down a b spare start) set to a key name or an\n"
               "SDL key code, or music / filter (on or off), detail (1 to 4), frameskip (1 or\n"
               "more). The file is ./bravin.pref unless --file names another.\n");
  return 2;
}

int refuse(const std::string& what) {
  std::fprintf(stderr, "bravin-prefs: %s\n", what.c_str());
  return 2;
}

bool parseArguments(int argc, char** argv, Command& c) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--file") == 0) {
      if (++i == argc || !argv[i][0]) return false;
      c.path = argv[i];
    } else {
      c.words.emplace_back(argv[i]);
    }
  }
  return !c.words.empty();
}

// A whole number of up to nine digits, or -1.
int32_t wholeNumber(const std::string& text) {
  bool digits =
      !text.empty() && text.size() <= 9 &&
      std::all_of(text.begin(), text.end(), [](unsigned char ch) { return std::isdigit(ch); });
  return digits ? std::stoi(text) : -1;
}

int32_t switchValue(const std::string& text) {
  if (text == "on" || text == "1") return 1;
  if (text == "off" || text == "0") return 0;
  return -1;
}

int32_t settingValue(SettingKind kind, const std::string& text) {
  int32_t n = wholeNumber(text);
  switch (kind) {
    case SettingKind::Switch: return switchValue(text);
    case SettingKind::DetailLevel: return n >= 1 && n <= 4 ? n : -1;
    case SettingKind::FrameSkip: return n >= 1 ? n : -1;
  }
  return -1;
}

const char* settingRule(SettingKind kind) {
  switch (kind) {
    case SettingKind::Switch: return "on or off";
    case SettingKind::DetailLevel: return "a level from 1 to 4";
    case SettingKind::FrameSkip: return "a whole number from 1";
  }
  return "";
}

// Turns NAME VALUE into a change of one word, or answers why not.
std::string changeFor(const std::string& name, const std::string& value, Change& change) {
  for (int i = 0; i < KeyMapSize; ++i) {
    if (name != KeyWordNames[i]) continue;
    change = {PrefOffset::KeyCodes + 4 * i, keyCodeFor(value)};
    if (change.value == 0) return "no key is named \"" + value + "\"";
    return {};
  }
  for (const SettingRow& row : SettingRows) {
    if (name != row.name) continue;
    change = {PrefOffset::Settings + 4 * row.word, settingValue(row.kind, value)};
    if (change.value < 0)
      return name + " takes " + settingRule(row.kind) + ", not \"" + value + "\"";
    return {};
  }
  return "no setting is named \"" + name + "\"";
}

// Reads the file as the game does; a missing or empty one gives the record a first run
// writes, written there first, as the game's first run would.
void loadOrStartFile(const std::string& path) {
  if (!loadPreferencesFrom(path.c_str())) createPreferencesAt(path.c_str());
}

// Writes the record back as the game's save does, but leaves the coins as they stand:
// the integrity word is brought up to date only where it held before, so an edited coin
// count is never made good.
int saveKeepingCoins(bool integrityHeld) {
  if (integrityHeld) setPrefWord(PrefOffset::Integrity, integrityOf());
  return writeBack(Preferences) ? 0 : 1;
}

bool integrityHolds() { return integrityOf() == prefWord(PrefOffset::Integrity); }

int setWord(const Command& c) {
  if (c.words.size() != 3) return usage();
  Change change;
  std::string why = changeFor(c.words[1], c.words[2], change);
  if (!why.empty()) return refuse(why);
  loadOrStartFile(c.path);
  bool held = integrityHolds();
  setPrefWord(change.offset, change.value);
  return saveKeepingCoins(held);
}

int clearRanking(const Command& c) {
  if (c.words.size() != 1) return usage();
  loadOrStartFile(c.path);
  bool held = integrityHolds();
  for (int32_t entry = 0; entry < RankEntries; ++entry) {
    setPrefWord(PrefOffset::RankScores + 4 * entry, 0);
    std::memset(rankText(entry), 0, RankTextSize);
  }
  return saveKeepingCoins(held);
}

// A ranking text as it may be shown: up to its NUL, and never past its field.
std::string shownText(int32_t entry) {
  const char* text = rankText(entry);
  std::string shown(text, strnlen(text, RankTextSize));
  for (char& ch : shown) {
    if (!std::isprint(static_cast<unsigned char>(ch))) ch = '?';
  }
  return shown;
}

void showKeys() {
  std::printf("Keys:\n");
  for (int i = 0; i < KeyMapSize; ++i) {
    int32_t code = prefWord(PrefOffset::KeyCodes + 4 * i);
    std::printf("  %-10s %s (%d)\n", KeyWordNames[i], keyNameOf(code).c_str(), code);
  }
}

void showSettings() {
  std::printf("Settings:\n");
  for (const SettingRow& row : SettingRows) {
    int32_t value = settingsWord(row.word);
    if (row.kind == SettingKind::Switch) {
      std::printf("  %-10s %s\n", row.name, value ? "on" : "off");
    } else {
      std::printf("  %-10s %d\n", row.name, value);
    }
  }
}

void showRanking() {
  std::printf("Coins: %d%s\nRanking:\n", prefWord(PrefOffset::Coins),
              integrityHolds() ? "" : " (edited: the game gives 0)");
  for (int32_t entry = 0; entry < RankEntries; ++entry) {
    std::printf("  %2d %10d  %s\n", entry + 1, rankScore(entry), shownText(entry).c_str());
  }
}

int show(const Command& c) {
  if (c.words.size() != 1) return usage();
  if (!loadPreferencesFrom(c.path.c_str())) {
    std::printf("%s: no preferences file yet; the game makes one on its first run.\n",
                c.path.c_str());
    return 1;
  }
  if (!Preferences.path[0]) {
    std::printf("%s: the file could not be read.\n", c.path.c_str());
    return 1;
  }
  std::printf("File: %s\n", c.path.c_str());
  showKeys();
  showSettings();
  showRanking();
  return 0;
}
}  // namespace

int runPrefsTool(int argc, char** argv) {
  Command c;
  if (!parseArguments(argc, argv, c)) return usage();
  const std::string& verb = c.words[0];
  if (verb == "show") return show(c);
  if (verb == "set") return setWord(c);
  if (verb == "clear-ranking") return clearRanking(c);
  return refuse("no command \"" + verb + "\"; use show, set or clear-ranking");
}
