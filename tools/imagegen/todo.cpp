#include "sheet.h"
Sheet drawSmallFont() { return Sheet(SmallFont); }
Sheet drawLargeFont() { return Sheet(LargeFont); }
Picture drawIcon() { return Picture(32, 32); }
