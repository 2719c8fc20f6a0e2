// Shows and changes bravin.pref: the key map, the settings and the ranking.
#include "tools/prefs/prefs_tool.h"

int main(int argc, char** argv) { return runPrefsTool(argc, argv); }
