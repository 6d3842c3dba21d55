#pragma once
// The lights of a photometric stereo set found from photographs of a mirror ball, one a light, in
// a folder laid out as the common benchmark sets lay out their calibration:
//   filenames.txt  one image file name a line, relative to the folder (blank lines skipped)
//   mask.png       the ball: every cell that is not black is on it
//
//   lists -> sizes (CommonPhotoSize) -> mask -> the ball's centre and radius -> each image's grey
//   intensities (photo_pixels.h) -> its highlight -> the light (recovery/mirror_ball.h)
//
// Every failure is one message naming the file (as filenames.txt names it) or the folder as
// given, and the reason; no lights come back then.

#include <QString>
#include <string>
#include <variant>
#include <vector>

#include "gradient/light_sources.h"
#include "model/message.h"

// One light an image, in the order of filenames.txt.
std::variant<std::vector<LightAim>, Message> BallLightsSaid(const QString& folder);

// The lights as light_directions.txt of a photo set holds them: one "x y z" line a light (x to
// the right, y up, z towards the camera, unit length), nine digits, so that the 32-bit directions
// read back to the same aims. What the renderer's --ball-lights prints and the window writes.
std::string LightDirectionsText(const std::vector<LightAim>& lights);
