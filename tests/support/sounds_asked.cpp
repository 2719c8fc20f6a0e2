#include "tests/support/sounds_asked.h"

#include <SDL_mixer.h>

#include <string>

#include "shell/audio.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wav.h"

void openTestAudio() {
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  if (Mix_QuerySpec(&frequency, &format, &channels) && effectLoaded(0)) return;
  TempFolder dir;
  std::vector<unsigned char> tone = toneWav(2.0);
  for (int n = 0; n < EffectCount; ++n) {
    dir.write("resources/s" + std::to_string(1000 + n) + ".aif", tone);
  }
  StdoutCapture quiet;
  openAudioAndLoadEffects();
  quiet.finish();
  clearAudioLog();
}

std::vector<int32_t> soundsAsked() {
  std::vector<int32_t> asked;
  for (int32_t i = 0; i < TheAudioLog.count; ++i) {
    const AudioLogEntry& e = audioLogEntry(i);
    if (e.event == AudioEvent::EffectStarted || e.event == AudioEvent::EffectDropped) {
      asked.push_back(e.value);
    }
  }
  return asked;
}

void forgetSoundsAsked() {
  stopEffects();
  clearAudioLog();
}
