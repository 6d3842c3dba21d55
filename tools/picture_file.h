#pragma once
// Writing a painted picture as binary PPM (P6), PNG or BMP, or a figure as SVG or PDF, through
// the shared writer (fileio/whole_file.h): PPM and BMP rows are written as they are encoded, PNG,
// SVG and PDF encoded in memory by Qt's writers. A regular file gets the whole picture or keeps
// its old bytes; a FIFO or a device (or a link to one) is written as a stream; "-" is standard
// output.

#include <QImage>
#include <optional>
#include <string>
#include <string_view>

#include "figure/vector_figure.h"
#include "fileio/whole_file.h"
#include "model/image_buffer.h"
#include "render_job.h"

// "P6\n<width> <height>\n255\n", then red, green, blue of every pixel, rows from the top: the
// header, then pieces of whole rows, encoded as they are asked for. `picture` must outlive it.
ByteSource PpmSource(const ImageBuffer& picture);
// Every piece of PpmSource in one string.
std::string EncodePpm(const ImageBuffer& picture);

// A 24-bit BMP file: its 54-byte header, then pieces of whole rows from the bottom up, as
// PpmSource gives them; every piece of it in one string.
ByteSource BmpSource(const ImageBuffer& picture);
std::string EncodeBmp(const ImageBuffer& picture);

// The picture as a PNG file's bytes (24-bit RGB); empty if encoding failed.
std::string EncodePng(const ImageBuffer& picture);

// Writes `bytes` to `path` as the shared writer does; "-" writes them to standard output (file
// descriptor 1). Returns a message naming the path and the system's reason on failure, as
// "cannot write PATH: No space left on device".
std::optional<std::string> WriteOutputFile(const std::string& path, std::string_view bytes);
std::optional<std::string> WriteOutputFile(const std::string& path, const ByteSource& source);

// The message WriteOutputFile gives for `failure` at `path`.
std::string OutputFailureMessage(const std::string& path, const WriteFailure& failure);

// Whether `path` could be written, nothing written: the message WriteOutputFile would give for a
// target it cannot write ("-", standard output, is always writable).
std::optional<std::string> CheckOutputFile(const std::string& path);

std::optional<std::string> WritePicture(const ImageBuffer& picture, const std::string& path,
                                        PictureFormat format);

// Whether `format` is a figure of vectors over a raster, SVG or PDF.
bool IsVectorFormat(PictureFormat format);

// `raster` (its device pixel ratio the figure's scale) with what `overlay` draws over it as
// vectors, as an SVG or PDF file (figure/vector_figure.h) written as WriteOutputFile writes.
std::optional<std::string> WriteVectorPicture(const QImage& raster, const OverlayPainter& overlay,
                                              const std::string& path, PictureFormat format);
