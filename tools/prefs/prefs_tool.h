#pragma once

// bravin-prefs [--file PATH] show | set NAME VALUE | clear-ranking
// Answers the exit status: 0 done, 1 no file to show or the file could not be written
// (the game's own message says which), 2 a bad command, name or value (nothing written).
int runPrefsTool(int argc, char** argv);
