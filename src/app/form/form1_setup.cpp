// The form's part of a setup (setup/setup.h): read from its boxes and switches, and put back
// into them as if typed. Numbers go into the boxes with the fewest digits that read back to the
// saved value, in the user's number format, so that a setup saved and opened shades the same.

#include <QCheckBox>
#include <QLineEdit>

#include "app/common/locale_numbers.h"
#include "app/form/form1.h"
#include "app/form/legend_panel.h"
#include "app/form/parameter_boxes.h"
#include "app/map/gradient_map_window.h"
#include "app/picture/picture_box.h"
#include "messages/translated_message.h"
#include "model/backgrounds.h"
#include "photometry/custom_formula.h"
#include "photometry/law_catalogue.h"
#include "setup/setup.h"

namespace {

struct BoxValue {
  ShadeField field;
  double SphereSetup::*value;
};

constexpr BoxValue kBoxValues[] = {
    {ShadeField::kRotX, &SphereSetup::rotX},     {ShadeField::kRotY, &SphereSetup::rotY},
    {ShadeField::kRotZ, &SphereSetup::rotZ},     {ShadeField::kSlant, &SphereSetup::slant},
    {ShadeField::kGlossS, &SphereSetup::glossS}, {ShadeField::kGlossN, &SphereSetup::glossN},
};

std::string BackgroundName(const RenderState& state) {
  for (const NamedBackground& background : kBackgrounds) {
    if (background.colour == Rgb{state.backgroundR, state.backgroundG, state.backgroundB}) {
      return std::string(background.name);
    }
  }
  return std::string(kBackgrounds.front().name);
}

}  // namespace

std::optional<QString> Form1::FillSetup(Setup& setup) const {
  const QString legendRefusal = legend_->Refusal();
  if (!legendRefusal.isEmpty()) return legendRefusal;
  // The boxes as the shade command would read them: an error is the one it would report.
  RenderState read = state_;
  const ShadeIntakeOutcome intake =
      ReadShadeParameters(read, parameters_->Inputs(), UserNumberFormat());
  if (const auto* error = std::get_if<InputError>(&intake)) {
    return TranslatedMessage(error->said);
  }
  SphereSetup& sphere = setup.sphere;
  for (const BoxValue& box : kBoxValues) {
    const NumberReading<double> reading =
        ReadDouble(parameters_->Box(box.field).text().toStdString(), UserNumberFormat());
    // s and n that need not read keep the values of the last pass.
    if (reading.Ok()) {
      sphere.*box.value = reading.value;
    } else {
      sphere.*box.value = box.field == ShadeField::kGlossS ? state_.glossS : state_.glossN;
    }
  }
  sphere.reflectanceKind = state_.reflectanceKind;
  sphere.isoLevel = state_.isoLevel;
  sphere.isoHalfWidth = state_.isoHalfWidth;
  sphere.colourIsolines = check3_->checkState() == Qt::Checked;
  sphere.halfSphere = check1_->checkState() == Qt::Checked;
  sphere.smoothing = check2_->checkState() == Qt::Checked;
  if (IsAdditionalLaw(state_.reflectanceKind)) {
    setup.law.parameters = state_.law.parameters;
    setup.law.lunarLambertMcEwen = state_.law.lunarLambertMcEwen;
  }
  if (state_.law.formula) {
    const std::vector<std::string>& names = state_.law.formula->ParameterNames();
    setup.law.formula.text = state_.law.formula->Text();
    setup.law.formula.parameters.clear();
    for (size_t k = 0; k < names.size(); ++k) {
      setup.law.formula.parameters.push_back({names[k], state_.law.parameters[k]});
    }
  }
  PictureSetup& picture = setup.picture;
  picture.exposure = state_.exposure;
  picture.background = BackgroundName(state_);
  picture.contourLines = overlay_.contourLines;
  picture.outline = overlay_.outline;
  picture.sourceMark = overlay_.sourceMark;
  picture.lineWidth = overlay_.lineWidth;
  return std::nullopt;
}

void Form1::ApplySetup(const Setup& setup, const LawSettings& law) {
  const SphereSetup& sphere = setup.sphere;
  for (const BoxValue& box : kBoxValues) {
    parameters_->Box(box.field).setText(ShortestText(sphere.*box.value));
  }
  for (int row = 0; row < kIsoBandCount; ++row) {
    legend_->Box(LegendColumn::kLevel, row).setText(ShortestText(sphere.isoLevel[row]));
    legend_->Box(LegendColumn::kHalfWidth, row).setText(ShortestText(sphere.isoHalfWidth[row]));
  }
  // Read now, in the start-up period too, when the boxes' changes are not read.
  legend_->ReadColumn(LegendColumn::kLevel, state_.isoLevel);
  legend_->ReadColumn(LegendColumn::kHalfWidth, state_.isoHalfWidth);
  check1_->setChecked(sphere.halfSphere);
  check2_->setChecked(sphere.smoothing);
  check3_->setChecked(sphere.colourIsolines);
  if (IsAdditionalLaw(sphere.reflectanceKind)) {
    SelectLaw(sphere.reflectanceKind, law);
  } else {
    ChooseDescribedFunction(sphere.reflectanceKind);
  }
  state_.exposure = setup.picture.exposure;
  const Rgb background = BackgroundNamed(setup.picture.background).value_or(kBackgrounds[0].colour);
  SetBackground(state_, background);
  emit BackgroundChosen(background);
  OverlayChoice overlay;
  overlay.contourLines = setup.picture.contourLines;
  overlay.outline = setup.picture.outline;
  overlay.sourceMark = setup.picture.sourceMark;
  overlay.lineWidth = setup.picture.lineWidth;
  if (overlay != overlay_) {
    overlay_ = overlay;
    state_.bandsAsLines = static_cast<int16_t>(overlay.contourLines ? 1 : 0);
    emit OverlayChoiceChanged(overlay);
  }
}

void Form1::ShadeAtBrightestExposure() {
  if (const std::optional<double> exposure = BrightestExposure()) {
    state_.exposure = *exposure;
    Shade();
  }
}
