#pragma once
// Loudness measurement, gain, peak limiting and edge fades for finished sounds.
#include "tools/soundgen/dsp.h"

namespace mastering {

// Interleaved samples with 1 or 2 channels.
struct Audio {
  int channels = 1;
  dsp::Buffer samples;
  size_t frames() const { return samples.size() / static_cast<size_t>(channels); }
  double seconds() const { return static_cast<double>(frames()) / dsp::SampleRate; }
};

// Gated, K-weighted mean-square loudness in dB (about LUFS); -70 or less means silence.
double loudnessDb(const Audio& audio);
// Loudness of the loudest 100 ms window: what a listener hears of a short effect.
double shortTermPeakLoudnessDb(const Audio& audio);
double peakDb(const Audio& audio);
void applyGain(Audio& audio, double db);
// Keeps every sample under `ceilingDb`, easing the gain down before a peak and back after.
void limit(Audio& audio, double ceilingDb);
// Raised-cosine fades at both ends so nothing clicks.
void fadeEdges(Audio& audio, double inSeconds, double outSeconds);
// Cuts the tail once it stays `thresholdDb` (negative) below the peak, keeping `tailSeconds`.
void trimTail(Audio& audio, double thresholdDb, double tailSeconds);

}  // namespace mastering
