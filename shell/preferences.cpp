#include "shell/preferences.h"

#include <algorithm>
#include <cstring>

#include "game/game_state.h"
#include "shell/file_system.h"
#include "shell/input.h"

LoadedFile Preferences;

namespace {
// Settings written into a new file: music on, detail level 3, draw every frame, nearest.
constexpr int32_t DefaultSettings[4] = {1, 3, 2, 0};

int32_t readWord(const uint8_t* p) {
  return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 |
                              uint32_t(p[3]) << 24);
}

void writeWord(uint8_t* p, int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

void writeDefaultKeys() {
  int32_t codes[KeyMapSize];
  defaultKeyMap(codes);
  for (int i = 0; i < KeyMapSize; ++i) setPrefWord(PrefOffset::KeyCodes + 4 * i, codes[i]);
}

void writeDefaultSettings() {
  for (int i = 0; i < 4; ++i) setPrefWord(PrefOffset::Settings + 4 * i, DefaultSettings[i]);
}

void loadKeyMapFromImage() {
  int32_t codes[KeyMapSize];
  for (int i = 0; i < KeyMapSize; ++i) codes[i] = prefWord(PrefOffset::KeyCodes + 4 * i);
  loadKeyMap(codes);
}

// Nothing but zeros is what a first start of an earlier build left when it was killed
// between making the file and writing the defaults into it. No save writes such a file,
// and its key codes of 0 would leave the game without a keyboard: it holds nothing.
bool allZero(const std::vector<uint8_t>& data) {
  return std::all_of(data.begin(), data.end(), [](uint8_t b) { return b == 0; });
}

// A file that is short, or could not be read at all, still gives a whole record: the
// words it holds in full are kept and the rest take the values of a new file, so the
// keys and settings stay usable. Nothing of it is read past what the file held.
void adoptReadFile(LoadedFile& file) {
  size_t held = allZero(file.data) ? 0 : file.data.size() & ~size_t(3);
  std::vector<uint8_t> image(std::max<size_t>(file.data.size(), PreferencesSize), 0);
  Preferences.data.swap(image);
  writeDefaultKeys();
  writeDefaultSettings();
  if (held > 0) {
    std::memcpy(Preferences.data.data(), file.data.data(), std::min<size_t>(held, PreferencesSize));
  }
  if (file.data.size() > PreferencesSize) {
    std::memcpy(Preferences.data.data() + PreferencesSize, file.data.data() + PreferencesSize,
                file.data.size() - PreferencesSize);
  }
  std::memcpy(Preferences.path, file.path, sizeof Preferences.path);
  // A short file is written back whole; an unreadable one (empty path) is never written.
  Preferences.length = file.path[0] ? static_cast<int32_t>(Preferences.data.size()) : 0;
}
}  // namespace

int32_t prefWord(int32_t offset) { return readWord(&Preferences.data.at(offset + 3) - 3); }
void setPrefWord(int32_t offset, int32_t value) {
  writeWord(&Preferences.data.at(offset + 3) - 3, value);
}
int32_t settingsWord(SettingsWord word) { return prefWord(PrefOffset::Settings + 4 * word); }
bool rankingHeld() { return Preferences.data.size() >= size_t(PreferencesSize); }

void setRankScore(int32_t entry, int32_t score) {
  setPrefWord(PrefOffset::RankScores + 4 * entry, score);
}

int32_t rankScore(int32_t entry) { return prefWord(PrefOffset::RankScores + 4 * entry); }
char* rankText(int32_t entry) {
  return reinterpret_cast<char*>(
      &Preferences.data.at(PrefOffset::RankTexts + RankTextSize * entry));
}

int32_t integrityOf() {
  return prefWord(PrefOffset::Coins) ^ rankScore(0) ^ rankScore(RankEntries - 1);
}

bool loadPreferencesFrom(const char* path) {
  std::unique_ptr<LoadedFile> file = readFile(path);
  // An empty file holds nothing to keep; left as it is, it could never be saved again.
  if (!file || (file->data.empty() && isEmptyFile(path))) return false;
  adoptReadFile(*file);
  loadKeyMapFromImage();
  CoinCount = integrityOf() == prefWord(PrefOffset::Integrity) ? prefWord(PrefOffset::Coins) : 0;
  return true;
}

void createPreferencesAt(const char* path) {
  std::unique_ptr<LoadedFile> file = createFile(PreferencesSize, path);
  Preferences = file ? std::move(*file) : LoadedFile{};
  Preferences.data.resize(PreferencesSize, 0);
  writeDefaultKeys();
  loadKeyMapFromImage();
  writeDefaultSettings();
  CoinCount = 1;
  writeBack(Preferences);
}

void loadOrCreatePreferences() {
  if (!loadPreferencesFrom(PreferencesPath)) createPreferencesAt(PreferencesPath);
}

bool savePreferences() {
  setPrefWord(PrefOffset::Coins, CoinCount);
  setPrefWord(PrefOffset::Integrity, integrityOf());
  return writeBack(Preferences) == 1;
}
