#include "screens/ranking.h"

// Placeholder until the ranking table lands: nothing is recorded.
int32_t insertScore(int32_t) { return 8; }
