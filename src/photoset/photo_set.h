#pragma once
// A folder of one's own photographs as the images of photometric stereo, in the layout of the
// common benchmark sets:
//   filenames.txt         one image file name a line, relative to the folder (blank lines skipped)
//   light_directions.txt  one "x y z" line an image, in the same order: camera coordinates, x to
//                         the right, y up, z towards the camera; any length but zero, z > 0
//   light_intensities.txt optional, one "r g b" line an image: each channel divided by its value
//   mask.png              optional: black cells are no data (NaN) in every image
//   camera_response.txt   optional: a gamma or a response table that makes the values linear
//                         (camera_response.h)
//
//   lists -> directions normalised -> LightAim (AimOf) -> CheckLights -> each image read by
//   QImageReader, every channel over the format's full scale, made linear by the camera's
//   response, over its intensity, grey = the mean of the channels -> the mask's NaN ->
//   RecoveryImages (row 0 the top row, spacing 1), each channel kept for the colour albedo when
//   an image is in colour
//
// Every failure is one message naming the file (as filenames.txt names it, or the folder
// as given) and the reason; no images come back then.

#include <QString>
#include <cstdint>
#include <string>
#include <variant>

#include "model/message.h"
#include "recovery/recovery_images.h"

// Images are held as 64-bit samples, one a cell and image: 64 million of them are 512 MB. A set
// beyond that (about 100 images of 640 x 1000) is refused before any pixel is read.
inline constexpr int64_t kMaxPhotoSetSamples = 64'000'000;
// A list longer than this is not a list of images; refused before it is read.
inline constexpr int64_t kMaxListFileBytes = 16 << 20;

// The images, or the message (model/message.h) that says why the folder does not read; and the
// same with the message's Russian text.
std::variant<RecoveryImages, Message> ReadPhotoSetSaid(const QString& folder);
std::variant<RecoveryImages, std::string> ReadPhotoSet(const QString& folder);
