#pragma once

// The frame's camera and the overlay space, from the camera focus height.
void clearScreen();
// Looks down the depth from a little above or below the centre, following focusY.
void placeCamera(double focusY);
// Turns the overlay space to face the camera: a point (x, y, z) then lies z units ahead
// of the eye, x to the right and y - 240 below the centre of view.
void applyOverlayTransform(double focusY);
void presentFrame();
// Ends a frame that is not shown.
void dropFrame();
// Keeps the draws that follow off every pixel, the clear included (the calls themselves are
// made as ever), for a frame known to stay undrawn; false lets them through again.
void hideFrameDraws(bool hidden);
