#include "tools/headless/audio_tap.h"

#include <algorithm>

#include "shell/audio.h"

namespace {
// One JSON array of the values of the given event among the held entries from first on.
void writeValues(std::FILE* out, const char* key, AudioEvent event, int32_t first) {
  std::fprintf(out, ",\"%s\":[", key);
  const char* comma = "";
  for (int32_t i = first; i < TheAudioLog.count; ++i) {
    const AudioLogEntry& e = audioLogEntry(i);
    if (e.event != event) continue;
    std::fprintf(out, "%s%d", comma, e.value);
    comma = ",";
  }
  std::fputc(']', out);
}
}  // namespace

int32_t audioLogTotal() { return TheAudioLog.total; }

void writeAudioSince(std::FILE* out, int32_t& seen) {
  // The log keeps only the newest entries; what rolled off is counted as lost.
  int32_t fresh = std::max(TheAudioLog.total - seen, 0);
  int32_t held = std::min(fresh, TheAudioLog.count);
  int32_t first = TheAudioLog.count - held;
  writeValues(out, "sfx", AudioEvent::EffectStarted, first);
  writeValues(out, "mus", AudioEvent::Command, first);
  writeValues(out, "trk", AudioEvent::TrackLoaded, first);
  std::fprintf(out, ",\"lost\":%d", fresh - held);
  seen = TheAudioLog.total;
}
