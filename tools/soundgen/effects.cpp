#include "tools/soundgen/effects.h"

#include <algorithm>
#include <cstring>
#include <sstream>

namespace effects {
namespace {
size_t frames(double seconds) { return static_cast<size_t>(seconds * dsp::SampleRate); }

void renderLayer(const Layer& l, dsp::Noise& noise, dsp::Buffer& out) {
  dsp::Oscillator osc, wobble;
  dsp::Filter tone, colour;
  const size_t begin = frames(l.delay);
  const size_t count = frames(l.length);
  const size_t fadeLen = frames(0.008);
  const double sweep = std::max(l.sweepSeconds, 1e-3);
  for (size_t i = 0; i < count; ++i) {
    if (begin + i >= out.size()) break;
    double t = static_cast<double>(i) / dsp::SampleRate;
    double along = std::min(1.0, t / sweep);
    double hz = l.startHz * std::pow(l.endHz / l.startHz, along);
    if (l.wobbleSemis > 0)
      hz *= std::pow(2.0, l.wobbleSemis * wobble.next(dsp::Wave::Sine, l.wobbleHz) / 12.0);
    double s;
    if (l.wave == dsp::Wave::Noise) {
      s = colour.process(noise.next(), hz, 0.5).band * 2.0;
    } else {
      s = osc.next(l.wave, hz, 0.5);
    }
    if (l.cutoffStart > 0) {
      double cutoff = l.cutoffStart * std::pow(l.cutoffEnd / l.cutoffStart, along);
      s = tone.process(s, cutoff, l.resonance).low;
    }
    double env = t < l.attack ? t / l.attack : std::exp(-(t - l.attack) / l.decay);
    if (l.gatePeriod > 0 && std::fmod(t, l.gatePeriod) > l.gatePeriod * 0.55) env *= 0.0;
    if (i + fadeLen > count) env *= static_cast<double>(count - i) / static_cast<double>(fadeLen);
    out[begin + i] += static_cast<float>(s * env * l.gain);
  }
}

void renderTune(const Tune& tune, dsp::Buffer& out) {
  std::istringstream in(tune.notes);
  std::vector<std::string> tokens;
  for (std::string t; in >> t;) tokens.push_back(t);
  const instruments::Patch& p = instruments::patch(tune.patch);
  dsp::Buffer stereo(out.size() * 2, 0.0f);
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i] == "-" || tokens[i] == ".") continue;
    size_t held = 1;
    while (i + held < tokens.size() && tokens[i + held] == "-") ++held;
    double note = std::stod(tokens[i]);
    instruments::renderNote(p, note, static_cast<double>(held) * tune.stepSeconds * 0.95, 1.0, 0.0,
                            stereo, frames(static_cast<double>(i) * tune.stepSeconds));
  }
  for (size_t i = 0; i < out.size(); ++i)
    out[i] += static_cast<float>((stereo[i * 2] + stereo[i * 2 + 1]) * 0.5 * tune.gain);
}

double recipeSeconds(const Recipe& r) {
  double end = 0.0;
  for (const Layer& l : r.layers) end = std::max(end, l.delay + l.length);
  for (const Tune& t : r.tunes) {
    size_t n = 0;
    for (const char* c = t.notes; *c; ++c) n += (*c == ' ') ? 1 : 0;
    end = std::max(end, static_cast<double>(n + 1) * t.stepSeconds +
                            instruments::patch(t.patch).amp.release * 5.0);
  }
  return end;
}
}  // namespace

mastering::Audio render(const Recipe& r) {
  mastering::Audio audio;
  audio.channels = 1;
  audio.samples.assign(frames(recipeSeconds(r)) + 1, 0.0f);
  dsp::Noise noise(r.seed);
  for (const Layer& l : r.layers) renderLayer(l, noise, audio.samples);
  for (const Tune& t : r.tunes) renderTune(t, audio.samples);
  // Remove any offset so the end fade lands on zero.
  dsp::OnePole dc;
  for (float& s : audio.samples) s = static_cast<float>(dc.highpass(s, 20.0));
  mastering::trimTail(audio, -42.0, 0.02);
  if (r.maxSeconds > 0 && audio.seconds() > r.maxSeconds)
    audio.samples.resize(frames(r.maxSeconds));
  mastering::applyGain(audio, r.loudnessDb - mastering::shortTermPeakLoudnessDb(audio));
  mastering::limit(audio, -1.5);
  mastering::fadeEdges(audio, 0.002, std::min(0.15, audio.seconds() * 0.2));
  return audio;
}

}  // namespace effects
