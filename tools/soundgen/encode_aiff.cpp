#include <sndfile.h>

#include <cstdio>

#include "tools/soundgen/encoders.h"

namespace encoders {

bool writeAiff(const std::string& path, const mastering::Audio& audio) {
  SF_INFO info{};
  info.samplerate = static_cast<int>(dsp::SampleRate);
  info.channels = audio.channels;
  info.format = SF_FORMAT_AIFF | SF_FORMAT_PCM_16;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!file) {
    std::fprintf(stderr, "soundgen: cannot write %s: %s\n", path.c_str(), sf_strerror(nullptr));
    return false;
  }
  // libsndfile scales floats to 16 bits without dither (reproducible); clip, never wrap.
  sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
  sf_count_t frames = static_cast<sf_count_t>(audio.frames());
  sf_count_t written = sf_writef_float(file, audio.samples.data(), frames);
  sf_close(file);
  if (written != frames) {
    std::fprintf(stderr, "soundgen: short write to %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace encoders
