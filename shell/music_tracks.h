#pragma once
#include <cstdint>

// The music tracks by the number a music-load controller gives: files under "resources/".
// The sound generator writes the same files.
constexpr int32_t MusicTrackCount = 16;  // entry 0 is empty

inline constexpr const char* MusicTrackFiles[MusicTrackCount] = {
    "",                   // 0: none
    "BreakingNow.ogg",    // 1
    "SurfAvenue.ogg",     // 2
    "TradingPlaces.ogg",  // 3
    "TVStarTonight.ogg",  // 4
    "PopNews60.ogg",      // 5
    "NowWeDance.ogg",     // 6
    "EndlessRoad20.ogg",  // 7
    "bgm00.mp3",          // 8
    "bgm01.mp3",          // 9
    "bgm02.mp3",          // 10
    "bgm03.mp3",          // 11
    "bgm04.mid",          // 12
    "bgm05.mid",          // 13
    "bgm06.mid",          // 14
    "bgm07.mid",          // 15
};
