#pragma once
// The headless renderer's command line: from the argument list to a RenderJob (the inputs of one
// press of the shade button on a fresh window, the picture size and the output file), a request
// for the usage text, or an error naming the offending option.
//
// The angle and glossy texts are kept as typed: the shade command reads them (and reports a bad
// one) exactly as it reads the window's boxes. Everything else is checked here.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/render_state.h"
#include "shading/parameter_intake.h"

enum class PictureFormat { kPpm, kPng };

struct RenderJob {
  ShadeInputs inputs;  // rotations, slant and glossy texts; the window's start-up texts by default
  int32_t reflectanceKind = kMatte;
  // Replace the start-up isoline arrays when given; index 0 is the top legend row.
  std::optional<std::array<float, kIsoBandCount>> isoLevel;
  std::optional<std::array<float, kIsoBandCount>> isoHalfWidth;
  bool colourIsolines = true;  // --grey turns them off
  bool halfSphere = true;      // --whole-sphere turns it off
  bool smooth = false;         // --smooth: 2x2 sub-pixel smoothing
  int width = 393;
  int height = 337;
  std::string outputPath;
  PictureFormat format = PictureFormat::kPpm;
};

inline constexpr int kMaxPictureSide = 10000;  // refuses sizes no one means to allocate

struct HelpRequest {};

struct OptionError {
  std::string message;
};

using ParsedCommandLine = std::variant<RenderJob, HelpRequest, OptionError>;

// `args` excludes the program name. Options may be given as "--name VALUE" or "--name=VALUE";
// a later occurrence of an option replaces an earlier one.
ParsedCommandLine ParseRenderOptions(const std::vector<std::string_view>& args);

// The picture format named by the file's extension (".ppm" or ".png", any letter case).
bool PictureFormatForPath(std::string_view path, PictureFormat& format);

std::string RenderUsage();
