#include "tools/soundgen/mixdown.h"

#include <algorithm>
#include <map>

#include "tools/soundgen/effects_bus.h"

namespace music {
using instruments::Drum;

namespace {
size_t frameAt(double seconds) { return static_cast<size_t>(seconds * dsp::SampleRate + 0.5); }

void addScaled(const dsp::Buffer& from, size_t startFrame, double gain, dsp::Buffer& to) {
  size_t n = std::min(from.size(), to.size() - std::min(to.size(), startFrame * 2));
  for (size_t i = 0; i < n; ++i) to[startFrame * 2 + i] += static_cast<float>(from[i] * gain);
}
}  // namespace

mastering::Audio mixdown(const Song& song, const Score& score) {
  const double end = score.seconds(score.steps + score.finalChordSteps) + TailSeconds;
  const size_t frames = frameAt(end);
  dsp::Buffer dry(frames * 2, 0.0f), send(frames * 2, 0.0f), note;

  for (const Note& n : score.notes) {
    const Part& part = song.parts[static_cast<size_t>(n.part)];
    const instruments::Patch& p = instruments::patch(part.patch);
    double start = score.seconds(n.step);
    double held = score.seconds(n.step + n.length) - start - 0.01;
    note.assign(frameAt(held + p.amp.release * 5.0 + 0.01) * 2, 0.0f);
    instruments::renderNote(p, n.pitch, held, n.velocity, part.pan, note, 0);
    addScaled(note, frameAt(start), part.level, dry);
    if (part.send > 0) addScaled(note, frameAt(start), part.level * part.send, send);
  }

  // Each drum is rendered once; hits vary only in level.
  std::map<Drum, dsp::Buffer> kit;
  for (const DrumHit& h : score.hits) {
    auto it = kit.find(h.drum);
    if (it == kit.end())
      it = kit.emplace(h.drum,
                       instruments::renderDrum(h.drum, song.seed + static_cast<uint32_t>(h.drum)))
               .first;
    const dsp::Buffer& mono = it->second;
    double pan = instruments::drumPan(h.drum);
    double left = std::cos((pan + 1.0) * dsp::Pi / 4.0) * std::sqrt(2.0);
    double right = std::sin((pan + 1.0) * dsp::Pi / 4.0) * std::sqrt(2.0);
    size_t at = frameAt(score.seconds(h.step));
    for (size_t i = 0; i < mono.size() && (at + i) * 2 + 1 < dry.size(); ++i) {
      dry[(at + i) * 2] += static_cast<float>(mono[i] * h.velocity * left);
      dry[(at + i) * 2 + 1] += static_cast<float>(mono[i] * h.velocity * right);
      if (h.drum == Drum::Snare || h.drum == Drum::Clap) {
        send[(at + i) * 2] += static_cast<float>(mono[i] * h.velocity * 0.25);
        send[(at + i) * 2 + 1] += static_cast<float>(mono[i] * h.velocity * 0.25);
      }
    }
  }

  addEcho(send, score.stepSeconds * 3.0, 0.35, 0.30, dry);
  addReverb(send, 0.55, dry);

  mastering::Audio audio;
  audio.channels = 2;
  audio.samples = std::move(dry);
  // Remove rumble below the bass.
  for (int c = 0; c < 2; ++c) {
    dsp::Biquad hp = dsp::Biquad::highpass(28.0, 0.7);
    for (size_t i = 0; i < frames; ++i) {
      float& s = audio.samples[i * 2 + static_cast<size_t>(c)];
      s = static_cast<float>(hp.process(s));
    }
  }
  mastering::applyGain(audio, song.loudnessDb - mastering::loudnessDb(audio));
  mastering::limit(audio, -2.5);
  mastering::fadeEdges(audio, 0.005, 0.8);
  return audio;
}

}  // namespace music
