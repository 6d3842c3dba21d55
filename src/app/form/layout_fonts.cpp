#include "app/form/layout_fonts.h"

#include <QStringList>
#include <cmath>

namespace {

// Condensed, so the long captions of the option buttons fit; it covers Cyrillic in full.
constexpr const char* kSubstituteFamily = "DejaVu Sans Condensed";
constexpr const char* kFallbackFamily = "DejaVu Sans";  // wider: some captions would not fit
constexpr double kDotsPerInch = 96.0;
constexpr double kPointsPerInch = 72.0;

}  // namespace

void InstallFontSubstitutes() {
  for (const char* family : {kWindowFontFamily, kLegendFontFamily}) {
    if (QFont::substitute(family) != kSubstituteFamily) {
      QFont::insertSubstitutions(family, QStringList{QString::fromLatin1(kSubstituteFamily),
                                                     QString::fromLatin1(kFallbackFamily)});
    }
  }
}

int PointsToPixels(double points) {
  return static_cast<int>(std::lround(points * kDotsPerInch / kPointsPerInch));
}

QFont LayoutFont(const char* family, double points) {
  InstallFontSubstitutes();
  QFont font(family);
  font.setPixelSize(PointsToPixels(points));
  return font;
}
