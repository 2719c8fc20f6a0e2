#include "sheet.h"
Sheet drawSmallCharacters() { return Sheet(SmallCharacters); }
Sheet drawTallCharacters() { return Sheet(TallCharacters); }
Sheet drawGround() { return Sheet(Ground); }
Sheet drawSkies() { return Sheet(Skies); }
Sheet drawFarLayers() { return Sheet(FarLayers); }
Sheet drawNearLayers() { return Sheet(NearLayers); }
Sheet drawTitlePicture() { return Sheet(TitlePicture); }
Sheet drawRankingPicture() { return Sheet(RankingPicture); }
Sheet drawAltTitlePicture() { return Sheet(AltTitlePicture); }
Sheet drawTitlePieces() { return Sheet(TitlePieces); }
Sheet drawSmallFont() { return Sheet(SmallFont); }
Sheet drawLargeFont() { return Sheet(LargeFont); }
Picture drawIcon() { return Picture(32, 32); }
