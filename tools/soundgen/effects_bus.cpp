#include "tools/soundgen/effects_bus.h"

#include <array>

namespace music {

void addEcho(const dsp::Buffer& send, double delaySeconds, double feedback, double level,
             dsp::Buffer& out) {
  const size_t delay = static_cast<size_t>(delaySeconds * dsp::SampleRate);
  const size_t frames = send.size() / 2;
  std::vector<float> line(delay * 2, 0.0f);  // left and right lines, crossed on feedback
  dsp::OnePole toneL, toneR;
  size_t pos = 0;
  for (size_t i = 0; i < frames; ++i) {
    float dl = line[pos * 2], dr = line[pos * 2 + 1];
    out[i * 2] += static_cast<float>(dl * level);
    out[i * 2 + 1] += static_cast<float>(dr * level);
    // The left input enters on the left; each repeat crosses over and loses its highs.
    line[pos * 2] = static_cast<float>(send[i * 2] + feedback * toneR.lowpass(dr, 3500.0));
    line[pos * 2 + 1] =
        static_cast<float>(feedback * toneL.lowpass(dl, 3500.0) + send[i * 2 + 1] * 0.3);
    pos = (pos + 1) % delay;
  }
}

namespace {
struct Comb {
  std::vector<float> line;
  size_t pos = 0;
  double damp = 0.0;
  double process(double in, double feedback) {
    double y = line[pos];
    damp = y * 0.6 + damp * 0.4;
    line[pos] = static_cast<float>(in + damp * feedback);
    pos = (pos + 1) % line.size();
    return y;
  }
};
struct Allpass {
  std::vector<float> line;
  size_t pos = 0;
  double process(double in) {
    double b = line[pos];
    line[pos] = static_cast<float>(in + b * 0.5);
    pos = (pos + 1) % line.size();
    return b - in;
  }
};
}  // namespace

void addReverb(const dsp::Buffer& send, double level, dsp::Buffer& out) {
  // Mutually prime delay lengths; the right side is spread by a few samples.
  static constexpr std::array<size_t, 4> CombLengths = {1116, 1277, 1422, 1557};
  static constexpr std::array<size_t, 2> AllpassLengths = {556, 341};
  for (size_t side = 0; side < 2; ++side) {
    std::array<Comb, 4> combs;
    std::array<Allpass, 2> allpasses;
    for (size_t k = 0; k < 4; ++k) combs[k].line.assign(CombLengths[k] + side * 23, 0.0f);
    for (size_t k = 0; k < 2; ++k) allpasses[k].line.assign(AllpassLengths[k] + side * 23, 0.0f);
    const size_t frames = send.size() / 2;
    for (size_t i = 0; i < frames; ++i) {
      double in = (send[i * 2] + send[i * 2 + 1]) * 0.5 * 0.25;
      double sum = 0.0;
      for (Comb& c : combs) sum += c.process(in, 0.80);
      for (Allpass& a : allpasses) sum = a.process(sum);
      out[i * 2 + side] += static_cast<float>(sum * level);
    }
  }
}

}  // namespace music
