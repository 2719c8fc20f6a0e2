#include "shell/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>

#include "shell/clock.h"
#include "shell/replay_answers.h"

int32_t MusicSwitch = 1;

AudioLog TheAudioLog;

namespace {
constexpr int FirstEffectFile = 1000;
constexpr int AudioBufferBytes = 512;

Mix_Chunk* Effects[EffectCount];
uint32_t EffectMs[EffectCount];  // how long each effect plays, worked out once at loading
int32_t EffectsTried = 0;        // numbers the entries as they load
Mix_Music* CurrentTrack = nullptr;

void logAudio(AudioEvent event, int32_t value, int32_t channel) {
  AudioLog& log = TheAudioLog;
  int32_t slot = log.total % AudioLogSize;
  log.entries[slot] = {event, value, channel};
  ++log.total;
  if (log.count < AudioLogSize) ++log.count;
}

// How long the effect plays, from its size and the device's format.
uint32_t playingMs(const Mix_Chunk* chunk) {
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  if (!Mix_QuerySpec(&frequency, &format, &channels) || frequency <= 0 || channels <= 0) return 0;
  uint64_t bytesPerSecond = uint64_t(frequency) * uint64_t(channels) * ((format & 0xFF) / 8);
  return bytesPerSecond ? uint32_t(uint64_t(chunk->alen) * 1000 / bytesPerSecond) : 0;
}

void loadEffect(int fileNumber) {
  char path[64];
  std::snprintf(path, sizeof path, "resources/s%d.aif", fileNumber);
  Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromFile(path, "rb"), 1);
  int32_t index = EffectsTried++;
  if (index < EffectCount) {
    Effects[index] = chunk;
    EffectMs[index] = chunk ? playingMs(chunk) : 0;
  }
  if (!chunk) std::printf("Mix_LoadWAVError:%d %s\n", index, SDL_GetError());
}

// When each channel's effect ends, by the shell's clock. A channel counts as busy until
// then, not by asking the mixer: the mixer plays in real time, and a run on the headless
// runner's exact clock must hear the same channels free on every machine.
uint32_t ChannelFreeAt[MixChannels];

// That clock, read once for each sound operation. Whether a channel is free decides what
// the audio log holds, so its readings are answers a replay keeps, like the game clock's.
uint32_t channelClock() {
  return uint32_t(answered(Answer::ChannelClock, [] { return int32_t(getTicks()); }));
}

bool channelBusy(int c, uint32_t now) { return int32_t(ChannelFreeAt[c] - now) > 0; }

void startOnChannel(int channel, int32_t effect, uint32_t now) {
  Mix_PlayChannelTimed(channel, Effects[effect], 0, -1);
  ChannelFreeAt[channel] = now + EffectMs[effect];
  logAudio(AudioEvent::EffectStarted, effect, channel);
}

// The first channel 0..7 with nothing playing, or -1.
int idleChannel(uint32_t now) {
  for (int c = 0; c < MixChannels; ++c) {
    if (!channelBusy(c, now)) return c;
  }
  return -1;
}

int32_t playOnIdleChannel(int32_t effect, uint32_t now) {
  int channel = idleChannel(now);
  if (channel < 0) {
    logAudio(AudioEvent::EffectDropped, effect, -1);
    return 0;
  }
  startOnChannel(channel, effect, now);
  return 1;
}

bool validEffect(int32_t effect) { return effect >= 0 && effect < EffectCount; }
}  // namespace

void openAudioAndLoadEffects() {
  if (SDL_Init(SDL_INIT_AUDIO) != 0) std::printf("SDL_AudioInitError");
  if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, AudioBufferBytes) != 0) {
    std::printf("Mix_OpenAudioError");
  }
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  // Only a device that really opened is reported as opened.
  if (Mix_QuerySpec(&frequency, &format, &channels)) {
    std::printf("Opened audio at %d Hz %d bit %s, %d bytes audio buffer\n", frequency,
                format & 0xFF, channels > 1 ? "stereo" : "mono", AudioBufferBytes);
  }
  Mix_AllocateChannels(MixChannels);
  stopEffects();
  for (Mix_Chunk*& chunk : Effects) {
    if (chunk) Mix_FreeChunk(chunk);
    chunk = nullptr;
  }
  EffectsTried = 0;
  for (int n = FirstEffectFile; n <= FirstEffectFile + EffectCount - 1; ++n) loadEffect(n);
}

void stopEffects() {
  Mix_HaltChannel(-1);
  uint32_t now = channelClock();
  for (uint32_t& t : ChannelFreeAt) t = now;
}

void closeAudio() {
  stopEffects();
  for (Mix_Chunk*& chunk : Effects) {
    if (chunk) Mix_FreeChunk(chunk);
    chunk = nullptr;
  }
  if (CurrentTrack) Mix_FreeMusic(CurrentTrack);
  CurrentTrack = nullptr;
  Mix_CloseAudio();
}

int32_t playEffect(int32_t effect) {
  if (!validEffect(effect) || !Effects[effect]) return 0;
  return playOnIdleChannel(effect, channelClock());
}

int32_t playEffectElseCutChannel(int32_t effect, int32_t channel) {
  if (!validEffect(effect) || !Effects[effect]) return 0;
  uint32_t now = channelClock();
  if (playOnIdleChannel(effect, now)) return 1;
  if (channel < 0 || channel >= MixChannels) return 0;
  Mix_HaltChannel(channel);
  logAudio(AudioEvent::ChannelCut, effect, channel);
  startOnChannel(channel, effect, now);
  return 1;
}

void loadMusicTrack(const char* path) {
  if (CurrentTrack) {
    Mix_FreeMusic(CurrentTrack);
    CurrentTrack = nullptr;
  }
  if (!MusicSwitch) return;
  CurrentTrack = Mix_LoadMUS(path);
  if (!CurrentTrack) std::printf("Mix_LoadMUSError (\"%s\")", path);
  logAudio(AudioEvent::TrackLoaded, CurrentTrack ? 1 : 0, -1);
}

bool musicTrackPath(int32_t track, char* path, int32_t size) {
  if (track < 0 || track >= MusicTrackCount || size < 1) return false;
  std::snprintf(path, static_cast<size_t>(size), "resources/%s", MusicTrackFiles[track]);
  return true;
}

void musicCommand(int32_t code) {
  if (!MusicSwitch) return;
  logAudio(AudioEvent::Command, code, -1);
  switch (code) {
    case MusicCommand::Pause: Mix_PauseMusic(); break;
    case MusicCommand::Play:
      if (Mix_PlayingMusic() == 0 && Mix_PlayMusic(CurrentTrack, 1) == -1) {
        std::printf("Mix_PlayMusicError(0x%p,1)", static_cast<void*>(CurrentTrack));
      }
      break;
    case MusicCommand::Resume: Mix_ResumeMusic(); break;
    case MusicCommand::Rewind: Mix_RewindMusic(); break;
    case MusicCommand::Stop:
      if (CurrentTrack) {
        Mix_PauseMusic();
        Mix_FreeMusic(CurrentTrack);
        CurrentTrack = nullptr;
      }
      break;
    default: break;
  }
}

bool effectLoaded(int32_t effect) { return validEffect(effect) && Effects[effect]; }
uint32_t effectPlayingMs(int32_t effect) { return validEffect(effect) ? EffectMs[effect] : 0; }
void setEffectPlayingMs(int32_t effect, uint32_t ms) {
  if (validEffect(effect)) EffectMs[effect] = ms;
}
bool musicLoaded() { return CurrentTrack != nullptr; }

void clearAudioLog() { TheAudioLog = AudioLog{}; }

const AudioLogEntry& audioLogEntry(int32_t i) {
  const AudioLog& log = TheAudioLog;
  int32_t first = log.total - log.count;
  return log.entries[(first + i) % AudioLogSize];
}
