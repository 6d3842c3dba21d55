#pragma once
// The backgrounds a picture may be cleared in: the described white, and black or grey, on which
// a sphere whose phi is 1 everywhere (Lommel–Seeliger at g = 0) or a bright limb still shows.
//
//   name ("white", "black", "grey") -> Rgb -> RenderState::backgroundR/G/B

#include <array>
#include <optional>
#include <string_view>

#include "model/picture.h"
#include "model/render_state.h"

struct NamedBackground {
  std::string_view name;
  Rgb colour;
};

inline constexpr std::array<NamedBackground, 3> kBackgrounds{{
    {"white", {255, 255, 255}},
    {"black", {0, 0, 0}},
    {"grey", {128, 128, 128}},
}};

// The colour of a background's name; nothing for another name.
inline std::optional<Rgb> BackgroundNamed(std::string_view name) {
  for (const NamedBackground& background : kBackgrounds) {
    if (background.name == name) return background.colour;
  }
  return std::nullopt;
}

inline void SetBackground(RenderState& state, Rgb colour) {
  state.backgroundR = colour.r;
  state.backgroundG = colour.g;
  state.backgroundB = colour.b;
}
