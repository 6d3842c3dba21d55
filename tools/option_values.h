#pragma once
// Readers of the renderer's option values that are checked on the command line: the isoline
// lists, the picture size, the readout pixel, the function name and the output file. Each stores
// its value in the job or returns a message naming the option and the offending text.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "render_job.h"

using OptionValueError = std::optional<std::string>;

// Seven comma-separated numbers in the C number format, index 0 first.
OptionValueError ParseBandList(std::string_view option, std::string_view text,
                               std::optional<std::array<float, kIsoBandCount>>& target);

// `text` cut at each `separator` ("a,,b" -> "a", "", "b"); one part for text without one.
std::vector<std::string> SplitAt(std::string_view text, char separator);

// A finite number in the C number format, or nothing.
std::optional<double> FiniteNumber(std::string_view text);

// WIDTHxHEIGHT, each side 1 to kMaxPictureSide in decimal digits.
OptionValueError ParseSize(std::string_view text, RenderJob& job);

// --scale K: a whole number from 1 to kMaxScale.
OptionValueError ParseScale(std::string_view text, RenderJob& job);

// --line-width N, a whole number from 1 to 4: how many times their width lines are drawn.
OptionValueError ParseLineWidth(std::string_view text, RenderJob& job);

// --exposure K|auto: K from 0.1 to 10 (C locale), or auto: the brightest phi painted white.
OptionValueError ParseExposure(std::string_view text, RenderJob& job);

// --background white|black|grey: the colour the picture is cleared in.
OptionValueError ParseBackground(std::string_view text, RenderJob& job);

// --threads N: a whole number from 1 to kMaxThreads.
OptionValueError ParseThreads(std::string_view text, RenderJob& job);

// The default size times the scale, unless --size was given.
void ScaleDefaultSize(RenderJob& job);

// X,Y: two whole numbers in decimal digits, 0 to kMaxPictureSide.
OptionValueError ParseReadoutPixel(std::string_view text, RenderJob& job);

// The readout pixel, if any, lies within the job's picture.
OptionValueError CheckReadoutPixel(const RenderJob& job);

// matte, glossy, rocky, mirror or an additional law (law_options.h).
OptionValueError ParseFunction(std::string_view text, RenderJob& job);

// The output file's name, "-" for standard output; its format is settled by ResolveOutputFormat.
OptionValueError ParseOutput(std::string_view text, RenderJob& job);

// --format: ppm, png, bmp, svg or pdf (any letter case); it overrides the output file's extension.
OptionValueError ParseFormat(std::string_view text, RenderJob& job);

// The format of the job's output file once every option is read: --format's if given, else PPM
// for "-", else the extension's; any other extension (or none) is refused, naming those accepted.
OptionValueError ResolveOutputFormat(RenderJob& job);

// The picture format named by the file's extension (".ppm", ".png", ".bmp", ".svg" or ".pdf", any
// letter case).
bool PictureFormatForPath(std::string_view path, PictureFormat& format);
