// Times the recorder as the game uses it: each frame notes the answers of a frame of play
// (the buttons, the direction, START, the game clock twice, Escape, now and then the sound
// channels' clock) and is closed, the inputs changing every 20 to 30 frames and the clock
// now and then stepping 2, as on a busy machine. Prints the median, 99th percentile and
// maximum of a frame's recording, the bytes a minute it makes, and the state digest's
// cost (stored after every 600th frame). Usage: bravin-replay-bench [FRAMES]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "shell/replay_answers.h"
#include "shell/session_replay.h"
#include "shell/state_digest.h"

namespace {
using Clock = std::chrono::steady_clock;
double nsSince(Clock::time_point t) {
  return std::chrono::duration<double, std::nano>(Clock::now() - t).count();
}

void recordFrame(ReplayRecorder& r, int32_t f, int32_t& tick) {
  r.note(Answer::ButtonA, (f / 30) & 1);
  r.note(Answer::ButtonB, f % 200 == 0);
  r.note(Answer::Direction, (f / 20) % 9);
  r.note(Answer::Start, 0);
  if (f % 7 == 0) r.note(Answer::ChannelClock, f * 17);
  tick += f % 13 == 0 ? 2 : 1;
  r.note(Answer::Tick, tick);
  r.note(Answer::Tick, tick);
  r.note(Answer::Escape, 0);
  r.endFrame();
}
}  // namespace

int main(int argc, char** argv) {
  int32_t frames = argc > 1 ? std::atoi(argv[1]) : 200000;
  if (frames < 1) frames = 1;
  ReplayRecorder r = makeSessionRecorder();
  r.endFrame();
  std::vector<double> ns(size_t(frames), 0.0);
  int32_t tick = 0;
  for (int32_t f = 0; f < frames; ++f) {
    auto t = Clock::now();
    recordFrame(r, f, tick);
    ns[size_t(f)] = nsSince(t);
  }
  std::sort(ns.begin(), ns.end());
  double minutes = std::max(r.frames(), 1) * 17.0 / 60000.0;  // of what it holds
  std::printf("frames %d cut_short %d bytes %zu bytes_per_minute %.0f\n", r.frames(),
              r.cutShort() ? 1 : 0, r.bytesUsed(), double(r.bytesUsed()) / minutes);
  std::printf("record_ns median %.0f p99 %.0f max %.0f\n", ns[ns.size() / 2],
              ns[ns.size() * 99 / 100], ns.back());
  auto t = Clock::now();
  for (int i = 0; i < 1000; ++i) playDigest();
  std::printf("digest_us %.1f\n", nsSince(t) / 1000.0 / 1000.0);
  return 0;
}
