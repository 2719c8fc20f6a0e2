#pragma once
// Reads finished sound files back (through libsndfile's decoders) and reports what a
// listener would check: length, peak, loudness and how quietly each end starts and stops.
namespace measure {

// Prints one line per file: name seconds channels rate peakDb loudnessDb shortTermDb
// headPeakDb tailPeakDb (the ends are the first and last 2 ms). Returns 0, or 1 if a
// file could not be read.
int printMeasurements(int count, char** paths);

}  // namespace measure
