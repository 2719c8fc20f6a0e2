#include <lame/lame.h>

#include <cstdio>
#include <vector>

#include "tools/soundgen/encoders.h"

namespace encoders {

bool writeMp3(const std::string& path, const mastering::Audio& audio) {
  lame_t lame = lame_init();
  if (!lame) return false;
  lame_set_in_samplerate(lame, static_cast<int>(dsp::SampleRate));
  lame_set_out_samplerate(lame, static_cast<int>(dsp::SampleRate));
  lame_set_num_channels(lame, audio.channels);
  lame_set_mode(lame, audio.channels == 2 ? JOINT_STEREO : MONO);
  lame_set_VBR(lame, vbr_off);
  lame_set_brate(lame, 128);
  lame_set_quality(lame, 5);
  lame_set_bWriteVbrTag(lame, 0);            // no Xing/LAME header frame
  lame_set_write_id3tag_automatic(lame, 0);  // no ID3 tags
  if (lame_init_params(lame) < 0) {
    lame_close(lame);
    return false;
  }
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) {
    lame_close(lame);
    std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
    return false;
  }
  const size_t frames = audio.frames();
  const size_t chunk = 8192;
  std::vector<unsigned char> mp3(chunk * 5 / 4 + 7200);
  std::vector<float> left(chunk), right(chunk);
  bool ok = true;
  for (size_t pos = 0; pos < frames && ok; pos += chunk) {
    size_t n = std::min(chunk, frames - pos);
    for (size_t i = 0; i < n; ++i) {
      // LAME's float interface takes full scale as +-32768.
      left[i] = audio.samples[(pos + i) * static_cast<size_t>(audio.channels)] * 32768.0f;
      right[i] = audio.channels == 2 ? audio.samples[(pos + i) * 2 + 1] * 32768.0f : left[i];
    }
    int bytes = lame_encode_buffer_float(lame, left.data(), right.data(), static_cast<int>(n),
                                         mp3.data(), static_cast<int>(mp3.size()));
    ok = bytes >= 0 &&
         std::fwrite(mp3.data(), 1, static_cast<size_t>(bytes), out) == static_cast<size_t>(bytes);
  }
  if (ok) {
    int bytes = lame_encode_flush(lame, mp3.data(), static_cast<int>(mp3.size()));
    ok = bytes >= 0 &&
         std::fwrite(mp3.data(), 1, static_cast<size_t>(bytes), out) == static_cast<size_t>(bytes);
  }
  lame_close(lame);
  if (std::fclose(out) != 0) ok = false;
  if (!ok) std::fprintf(stderr, "soundgen: failed writing %s\n", path.c_str());
  return ok;
}

}  // namespace encoders
