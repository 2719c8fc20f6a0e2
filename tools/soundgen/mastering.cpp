#include "tools/soundgen/mastering.h"

#include <algorithm>
#include <deque>

namespace mastering {
namespace {
// Per-channel K-weighted mean squares of consecutive blocks.
std::vector<double> blockPowers(const Audio& audio, size_t blockFrames, size_t hopFrames) {
  size_t frames = audio.frames();
  std::vector<double> weighted(frames, 0.0);
  for (int c = 0; c < audio.channels; ++c) {
    dsp::Biquad shelf = dsp::Biquad::highShelf(1500.0, 4.0);
    dsp::Biquad hp = dsp::Biquad::highpass(38.0, 0.5);
    for (size_t i = 0; i < frames; ++i) {
      double x = audio.samples[i * static_cast<size_t>(audio.channels) + static_cast<size_t>(c)];
      double y = hp.process(shelf.process(x));
      weighted[i] += y * y;
    }
  }
  std::vector<double> powers;
  for (size_t start = 0; start + blockFrames <= frames || (start == 0 && frames > 0);
       start += hopFrames) {
    size_t end = std::min(frames, start + blockFrames);
    double sum = 0.0;
    for (size_t i = start; i < end; ++i) sum += weighted[i];
    powers.push_back(sum / static_cast<double>(end - start));
    if (end == frames) break;
  }
  return powers;
}

double powerToDb(double p) { return p > 1e-20 ? -0.691 + 10.0 * std::log10(p) : -200.0; }
}  // namespace

double loudnessDb(const Audio& audio) {
  auto powers = blockPowers(audio, 17640, 4410);  // 400 ms blocks, 100 ms apart
  auto gatedMean = [&](double gateDb) {
    double sum = 0.0;
    int n = 0;
    for (double p : powers) {
      if (powerToDb(p) > gateDb) {
        sum += p;
        ++n;
      }
    }
    return n ? sum / n : 0.0;
  };
  double absolute = gatedMean(-70.0);
  return powerToDb(gatedMean(powerToDb(absolute) - 10.0));
}

double shortTermPeakLoudnessDb(const Audio& audio) {
  auto powers = blockPowers(audio, 4410, 441);
  double best = 0.0;
  for (double p : powers) best = std::max(best, p);
  return powerToDb(best);
}

double peakDb(const Audio& audio) {
  double peak = 0.0;
  for (float s : audio.samples) peak = std::max(peak, static_cast<double>(std::abs(s)));
  return dsp::gainToDb(peak);
}

void applyGain(Audio& audio, double db) {
  double g = dsp::dbToGain(db);
  for (float& s : audio.samples) s = static_cast<float>(s * g);
}

void limit(Audio& audio, double ceilingDb) {
  const double ceiling = dsp::dbToGain(ceilingDb);
  const size_t frames = audio.frames();
  const size_t ch = static_cast<size_t>(audio.channels);
  const size_t window = 88;          // 2 ms of look-ahead
  const double attack = 1.0 / 88.0;  // per-sample recovery towards 1 backwards
  const double release = 1.0 / (0.08 * dsp::SampleRate);
  std::vector<double> gain(frames, 1.0);
  for (size_t i = 0; i < frames; ++i) {
    double peak = 0.0;
    for (size_t c = 0; c < ch; ++c)
      peak = std::max(peak, std::abs(double(audio.samples[i * ch + c])));
    if (peak > ceiling) gain[i] = ceiling / peak;
  }
  // Hold each reduction for the look-ahead window on both sides (sliding minimum).
  std::vector<double> held(frames, 1.0);
  std::deque<size_t> q;
  for (size_t i = 0; i < frames + window; ++i) {
    if (i < frames) {
      while (!q.empty() && gain[q.back()] >= gain[i]) q.pop_back();
      q.push_back(i);
    }
    while (i >= 2 * window && !q.empty() && q.front() < i - 2 * window) q.pop_front();
    if (i >= window && !q.empty()) held[i - window] = gain[q.front()];
  }
  // Ramp into reductions (backwards) and out of them (forwards); never above `held`.
  for (size_t i = frames; i-- > 1;)
    held[i - 1] = std::min(held[i - 1], held[i] + attack * (1.0 - held[i]));
  for (size_t i = 1; i < frames; ++i) held[i] = std::min(held[i], held[i - 1] + release);
  for (size_t i = 0; i < frames; ++i) {
    for (size_t c = 0; c < ch; ++c)
      audio.samples[i * ch + c] = static_cast<float>(audio.samples[i * ch + c] * held[i]);
  }
}

void fadeEdges(Audio& audio, double inSeconds, double outSeconds) {
  const size_t frames = audio.frames();
  const size_t ch = static_cast<size_t>(audio.channels);
  auto fade = [&](size_t len, bool atStart) {
    len = std::min(len, frames);
    for (size_t i = 0; i < len; ++i) {
      double g = 0.5 - 0.5 * std::cos(dsp::Pi * static_cast<double>(i) / static_cast<double>(len));
      size_t f = atStart ? i : frames - 1 - i;
      for (size_t c = 0; c < ch; ++c)
        audio.samples[f * ch + c] = static_cast<float>(audio.samples[f * ch + c] * g);
    }
  };
  fade(static_cast<size_t>(inSeconds * dsp::SampleRate), true);
  fade(static_cast<size_t>(outSeconds * dsp::SampleRate), false);
}

void trimTail(Audio& audio, double thresholdDb, double tailSeconds) {
  const double threshold = dsp::dbToGain(thresholdDb + peakDb(audio));
  const size_t ch = static_cast<size_t>(audio.channels);
  size_t last = 0;
  for (size_t i = 0; i < audio.samples.size(); ++i) {
    if (std::abs(audio.samples[i]) > threshold) last = i / ch;
  }
  size_t keep =
      std::min(audio.frames(), last + 1 + static_cast<size_t>(tailSeconds * dsp::SampleRate));
  audio.samples.resize(keep * ch);
}

}  // namespace mastering
