#pragma once
// What the headless renderer paints: the inputs of one press of the shade button on a fresh
// window, the picture size and the output file.
//
// The angle and glossy texts are kept as typed: the shade command reads them (and reports a bad
// one) exactly as it reads the window's boxes.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/render_state.h"
#include "model/startup_values.h"
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
  int width = kDefaultPictureWidth;
  int height = kDefaultPictureHeight;
  std::string outputPath;
  PictureFormat format = PictureFormat::kPpm;
};

inline constexpr int kMaxPictureSide = 10000;  // refuses sizes no one means to allocate
