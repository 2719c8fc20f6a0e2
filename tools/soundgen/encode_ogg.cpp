#include <vorbis/vorbisenc.h>

#include <cstdio>

#include "tools/soundgen/encoders.h"

namespace encoders {
namespace {
constexpr float Quality = 0.2f;  // about 96 kbit/s for stereo 44.1 kHz

bool writePages(std::FILE* out, ogg_stream_state& stream, bool flush) {
  ogg_page page;
  while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
    if (std::fwrite(page.header, 1, static_cast<size_t>(page.header_len), out) !=
            static_cast<size_t>(page.header_len) ||
        std::fwrite(page.body, 1, static_cast<size_t>(page.body_len), out) !=
            static_cast<size_t>(page.body_len)) {
      return false;
    }
  }
  return true;
}
}  // namespace

bool writeOgg(const std::string& path, const mastering::Audio& audio, uint32_t serial) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) {
    std::fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
    return false;
  }
  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, audio.channels, static_cast<long>(dsp::SampleRate), Quality) !=
      0) {
    std::fclose(out);
    vorbis_info_clear(&info);
    return false;
  }
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_dsp_state state;
  vorbis_block block;
  vorbis_analysis_init(&state, &info);
  vorbis_block_init(&state, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, static_cast<int>(serial));  // fixed serial: identical bytes every run

  ogg_packet header, commentPacket, codebooks;
  vorbis_analysis_headerout(&state, &comment, &header, &commentPacket, &codebooks);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &commentPacket);
  ogg_stream_packetin(&stream, &codebooks);
  bool ok = writePages(out, stream, true);

  const size_t frames = audio.frames();
  const size_t ch = static_cast<size_t>(audio.channels);
  const size_t chunk = 4096;
  for (size_t pos = 0; ok; pos += chunk) {
    size_t n = pos < frames ? std::min(chunk, frames - pos) : 0;
    if (n > 0) {
      float** buffer = vorbis_analysis_buffer(&state, static_cast<int>(n));
      for (size_t i = 0; i < n; ++i) {
        for (size_t c = 0; c < ch; ++c) buffer[c][i] = audio.samples[(pos + i) * ch + c];
      }
    }
    vorbis_analysis_wrote(&state, static_cast<int>(n));  // 0 marks the end of the stream
    while (vorbis_analysis_blockout(&state, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&state, &packet)) {
        ogg_stream_packetin(&stream, &packet);
        ok = ok && writePages(out, stream, false);
      }
    }
    if (n == 0) break;
  }
  ok = ok && writePages(out, stream, true);

  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&state);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  if (std::fclose(out) != 0) ok = false;
  if (!ok) std::fprintf(stderr, "soundgen: failed writing %s\n", path.c_str());
  return ok;
}

}  // namespace encoders
