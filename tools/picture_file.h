#pragma once
// Writing a painted picture to a file, as binary PPM (P6) or PNG. The bytes go to a temporary file
// in the target's folder that is renamed into place once complete, so a failed write leaves
// neither a partial picture nor the temporary file behind.

#include <optional>
#include <string>
#include <string_view>

#include "model/image_buffer.h"
#include "render_options.h"

// "P6\n<width> <height>\n255\n", then red, green, blue of every pixel, rows from the top.
std::string EncodePpm(const ImageBuffer& picture);

// The picture as a PNG file's bytes (24-bit RGB); empty if encoding failed.
std::string EncodePng(const ImageBuffer& picture);

// Writes `bytes` to `path` all or nothing. Returns a message naming the path on failure.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes);

std::optional<std::string> WritePicture(const ImageBuffer& picture, const std::string& path,
                                        PictureFormat format);
