#pragma once
// What a fresh window starts with, in one place for the window, the headless renderer, the
// benchmark and the tests: the start-up RenderState, the texts of the six parameter boxes and of
// the fourteen legend boxes (in the C number format, "." as decimal separator), and the size of
// the picture.

#include <array>

#include "model/render_state.h"

// Texts of the parameter boxes: rotations about Ox, Oy, Oz in degrees, the source slant in
// degrees, and the glossy function's s and n.
inline constexpr const char* kStartupRotXText = "30";
inline constexpr const char* kStartupRotYText = "0";
inline constexpr const char* kStartupRotZText = "0";
inline constexpr const char* kStartupSlantText = "0";
inline constexpr const char* kStartupGlossSText = "0.5";
inline constexpr const char* kStartupGlossNText = "16";

// Texts of the legend boxes, element 0 (the top legend row) first. They read as the values
// ApplyStartupValues stores.
inline constexpr std::array<const char*, kIsoBandCount> kStartupLevelTexts = {
    "0.9", "0.8", "0.7", "0.6", "0.5", "0.4", "0.3"};
inline constexpr std::array<const char*, kIsoBandCount> kStartupHalfWidthTexts = {
    "0.005", "0.005", "0.005", "0.005", "0.005", "0.005", "0.005"};

// The picture area, in pixels: the sphere's outline has a radius of 100 pixels in it.
inline constexpr int kDefaultPictureWidth = 393;
inline constexpr int kDefaultPictureHeight = 337;

// Sphere units per pixel of a picture painted `scale` times as finely as the start-up one (the
// renderer's --scale, a screen's whole pixel ratio): the start-up pixelScale itself at 1.
float ScaledPixelScale(int scale);

// pixelScale, the matte function, isoline levels 0.9 down to 0.3 with half-widths 0.005, white
// background, half sphere and colour isolines on. Every other field is left as it is.
void ApplyStartupValues(RenderState& state);
