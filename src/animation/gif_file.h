#pragma once
// Frames as an animated GIF (giflib): one palette of up to 256 colours made from all the frames'
// colours together (giflib's median cut; pure white and pure black kept exact), every frame a full
// image of it, shown `delay` hundredths of a second, the whole looping for ever.

#include <optional>
#include <string>
#include <vector>

#include "model/image_buffer.h"

inline constexpr int kDefaultFrameDelay = 10;  // hundredths of a second
// A GIF holds every frame until its one palette is made: at most this many pixels, all frames
// together.
inline constexpr int kMaxGifPixels = 50'000'000;

// The file's bytes; nothing when the frames are empty, of different sizes, or giflib fails.
std::optional<std::string> EncodeGif(const std::vector<ImageBuffer>& frames, int delay);
