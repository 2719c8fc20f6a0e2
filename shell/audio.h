#pragma once
#include <cstdint>

#include "shell/music_tracks.h"

constexpr int32_t EffectCount = 31;
constexpr int32_t MixChannels = 8;

// Music switch (settings word 0): when 0 no track is loaded and music commands do nothing.
extern int32_t MusicSwitch;

namespace MusicCommand {
constexpr int32_t Pause = 1;
constexpr int32_t Play = 2;
constexpr int32_t Resume = 3;
constexpr int32_t Rewind = 4;
constexpr int32_t Stop = 5;
}  // namespace MusicCommand

void openAudioAndLoadEffects();
// Stops every channel, frees the effects and the track and closes the device, so that
// nothing is left pointing into a closed mixer. The game never calls it; tests do.
void closeAudio();
// Stops every effect at once and frees its channel. The game never calls it; tests do.
void stopEffects();
// 1 when started on the lowest idle channel; 0 when all eight were busy (or no such effect).
int32_t playEffect(int32_t effect);
// Like playEffect, but with no idle channel it stops channel c and plays there.
int32_t playEffectElseCutChannel(int32_t effect, int32_t channel);
// Replaces the current track ("resources/" + file name).
void loadMusicTrack(const char* path);
// Builds "resources/<file>" for a track number 0..15 (track 0 has no file: the path is the
// folder, which no track loads from); false for any other number.
bool musicTrackPath(int32_t track, char* path, int32_t size);
void musicCommand(int32_t code);
bool effectLoaded(int32_t effect);
// How long an effect keeps its channel busy, as worked out from the device's format when it
// loaded. A replay carries these, so that its playback times the channels as its run did.
uint32_t effectPlayingMs(int32_t effect);
void setEffectPlayingMs(int32_t effect, uint32_t ms);
bool musicLoaded();

// What the sound operations were asked to do, newest last. Tests read it.
enum class AudioEvent : uint8_t { EffectStarted, EffectDropped, ChannelCut, TrackLoaded, Command };
struct AudioLogEntry {
  AudioEvent event;
  int32_t value;    // effect number, track-load success (1/0) or command code
  int32_t channel;  // channel used or cut; -1 when none
};
constexpr int32_t AudioLogSize = 256;
struct AudioLog {
  AudioLogEntry entries[AudioLogSize];
  int32_t count;  // entries held, at most AudioLogSize (older ones roll off)
  int32_t total;  // entries ever logged
};
extern AudioLog TheAudioLog;
void clearAudioLog();
// Entry i of the held ones, 0 the oldest.
const AudioLogEntry& audioLogEntry(int32_t i);
