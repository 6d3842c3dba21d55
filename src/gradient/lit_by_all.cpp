#include "gradient/lit_by_all.h"

#include <algorithm>

bool LitByAll(const std::vector<SourcePhiField>& fields, Gradient gradient) {
  return std::all_of(fields.begin(), fields.end(),
                     [gradient](const SourcePhiField& field) { return field.Lit(gradient); });
}

void ShadeLitByAll(Picture& picture, const GradientView& view, const RenderState& lastPass,
                   const std::vector<LightAim>& sources, Rgb colour) {
  std::vector<SourcePhiField> fields;
  fields.reserve(sources.size());
  for (const LightAim& source : sources) fields.emplace_back(lastPass, source);
  const int width = picture.Width();
  const int height = picture.Height();
  for (int y = 0; y < height; ++y) {
    // The first column of this row on the hatch: (x + y) % spacing == 0.
    for (int x = (kLitHatchSpacing - y % kLitHatchSpacing) % kLitHatchSpacing; x < width;
         x += kLitHatchSpacing) {
      if (LitByAll(fields, GradientAtPixel(view, width, height, x, y))) {
        picture.SetPixel(x, y, colour);
      }
    }
  }
}
