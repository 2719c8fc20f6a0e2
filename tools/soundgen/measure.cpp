#include "tools/soundgen/measure.h"

#include <sndfile.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "tools/soundgen/mastering.h"

namespace measure {
namespace {
double edgePeakDb(const mastering::Audio& a, bool head) {
  const size_t ch = static_cast<size_t>(a.channels);
  const size_t n = std::min(a.frames(), static_cast<size_t>(0.002 * dsp::SampleRate)) * ch;
  double peak = 0.0;
  for (size_t i = 0; i < n; ++i) {
    size_t at = head ? i : a.samples.size() - 1 - i;
    peak = std::max(peak, static_cast<double>(std::abs(a.samples[at])));
  }
  return dsp::gainToDb(peak);
}
}  // namespace

int printMeasurements(int count, char** paths) {
  int status = 0;
  for (int i = 0; i < count; ++i) {
    SF_INFO info{};
    SNDFILE* file = sf_open(paths[i], SFM_READ, &info);
    if (!file) {
      std::printf("%s unreadable\n", paths[i]);
      status = 1;
      continue;
    }
    mastering::Audio audio;
    audio.channels = info.channels;
    std::vector<float> block(4096 * static_cast<size_t>(info.channels));
    sf_count_t got;
    while ((got = sf_readf_float(file, block.data(), 4096)) > 0) {
      audio.samples.insert(audio.samples.end(), block.begin(), block.begin() + got * info.channels);
    }
    sf_close(file);
    const char* name = std::strrchr(paths[i], '/');
    std::printf("%s %.3f %d %d %.2f %.2f %.2f %.2f %.2f\n", name ? name + 1 : paths[i],
                static_cast<double>(audio.frames()) / info.samplerate, info.channels,
                info.samplerate, mastering::peakDb(audio), mastering::loudnessDb(audio),
                mastering::shortTermPeakLoudnessDb(audio), edgePeakDb(audio, true),
                edgePeakDb(audio, false));
  }
  return status;
}

}  // namespace measure
