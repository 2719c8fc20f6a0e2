#pragma once
#include <cstdint>

#include "screens/ranking_store.h"
#include "shell/file_buffer.h"

// The preferences record is the image of "bravin.pref": 2536 bytes of little-endian
// 32-bit words holding the key map, four settings, the banked coins and the ranking.
constexpr int32_t PreferencesSize = 2536;
constexpr const char* PreferencesPath = "bravin.pref";

namespace PrefOffset {
constexpr int32_t KeyCodes = 0x000;
constexpr int32_t Settings = 0x600;  // four words: music, mesh detail, frame-skip, filter
constexpr int32_t Coins = 0x620;
constexpr int32_t RankScores = 0x624;  // ten words, entry 0 the best
constexpr int32_t RankTexts = 0x64C;   // ten 32-byte texts
constexpr int32_t Integrity = 0x78C;
}  // namespace PrefOffset

enum SettingsWord { SettingMusic, SettingMeshDetail, SettingFrameSkip, SettingTextureFilter };

// The record image; always at least PreferencesSize bytes once loaded or created.
extern LoadedFile Preferences;

int32_t prefWord(int32_t offset);
void setPrefWord(int32_t offset, int32_t value);
int32_t settingsWord(SettingsWord word);

// XOR of the coins word and the scores of ranking entries 0 and 9.
int32_t integrityOf();

// Reads "bravin.pref", or creates it with the defaults, and takes the key map and the
// coins from it. The settings are applied later in start-up (shell/settings.h).
void loadOrCreatePreferences();
// The two halves of it for a file elsewhere. Loading answers false when there is no file
// to use (it cannot be opened, or it is empty); creating writes a first run's file.
bool loadPreferencesFrom(const char* path);
void createPreferencesAt(const char* path);
// Saves the record to its file; false when it could not (the outcome is printed).
bool savePreferences();
