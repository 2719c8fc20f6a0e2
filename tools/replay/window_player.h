#pragma once
#include <string>

// Plays a replay in the game's own window at the game's speed, with sound, through the
// real start-up and frame step, in a temporary folder whose resources/ leads to the asset
// folder and whose bravin.pref is the replay's preferences image. The viewer's keys are
// read from SDL itself: Space pauses and resumes, the right arrow held fast-forwards (one
// frame in eight drawn), Escape or closing the window stops.
//
// Prints `replay out of sync at frame N` on standard output when the playback leaves the
// recording and plays on. At the replay's end prints the runner's last line; stopped
// early, `replay stopped after N of M frames`. Answers the exit status: 0 in sync (or
// stopped while it was), 3 once out of sync, 1 with one line on standard error for a file
// that cannot be played, and the game's own 1 or 2 when the display cannot be opened.
int playInWindow(const std::string& file, const std::string& assets);
