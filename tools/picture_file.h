#pragma once
// Writing a painted picture to a file, as binary PPM (P6) or PNG. The bytes go through QSaveFile,
// so a failed write leaves neither a partial picture nor a temporary file behind.

#include <optional>
#include <string>
#include <string_view>

#include "render_job.h"
#include "model/image_buffer.h"

// "P6\n<width> <height>\n255\n", then red, green, blue of every pixel, rows from the top.
std::string EncodePpm(const ImageBuffer& picture);

// The picture as a PNG file's bytes (24-bit RGB); empty if encoding failed.
std::string EncodePng(const ImageBuffer& picture);

// Writes `bytes` to `path` all or nothing; a symbolic link keeps pointing at the written file.
// Returns a message naming the path on failure.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes);

std::optional<std::string> WritePicture(const ImageBuffer& picture, const std::string& path,
                                        PictureFormat format);
