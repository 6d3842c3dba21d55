// What changes Form1's RenderState between passes: the display switches (Check1, Check3), the
// choice of reflectance function (Option1 to Option4, or an additional law from the menu), the
// legend's columns and the click on the picture area.

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <iterator>

#include "app/form/check_state.h"
#include "app/form/form1.h"
#include "app/form/legend_panel.h"
#include "app/form/live_shading.h"
#include "app/form/parameter_boxes.h"
#include "app/language/translated_texts.h"
#include "app/map/gradient_map_window.h"
#include "app/picture/picture_box.h"
#include "intake/parameter_intake.h"
#include "model/backgrounds.h"
#include "pass/exposure.h"

namespace {

constexpr int32_t kWhiteComponent = 255;

// What choosing each function does to the window.
struct FunctionChoice {
  int32_t reflectanceKind;
  bool image6Shown;  // the formula right after the short caption of Option2
  bool image5Shown;  // the formula right of the glossy fields
  const char* option2Caption;
};

// Indexed by option button, 1 to 4.
constexpr FunctionChoice kFunctionChoices[] = {
    {},
    {kMatte, true, false, QT_TRANSLATE_NOOP("Form1", "Глянцевая")},
    {kGlossy, false, true, QT_TRANSLATE_NOOP("Form1", "Глянцевая     s=")},
    {kRocky, true, false, QT_TRANSLATE_NOOP("Form1", "Глянцевая")},
    {kMirror, true, false, QT_TRANSLATE_NOOP("Form1", "Глянцевая")},
};

}  // namespace

void Form1::OnCheck1StateChanged() { state_.halfSphere = CheckBoxValue(*check1_); }

void Form1::OnCheck3StateChanged() {
  state_.showIsolines = CheckBoxValue(*check3_);
  legend_->ShowSwatchColours(state_.showIsolines == 1);
  // The picture keeps its content: the new value takes effect with the next pass.
}

void Form1::OnOptionToggled(int option, bool selected) {
  if (!selected) return;  // the button the choice moved away from
  state_.reflectanceKind = kFunctionChoices[option].reflectanceKind;
  state_.law = LawSettings{};         // a described function's state is the one it always had
  option_[option]->setChecked(true);  // the group clears the three others
  ShowGlossyFields(option);
  emit FunctionChosen(state_.reflectanceKind);
}

// Option2's caption changes with the function: the one shown is set again when the language
// changes, after the layout table's caption of the same button.
void Form1::SetOption2Caption(const char* source) {
  if (option2Caption_ == nullptr) {
    TranslatedTexts::Of(*option_[2]).Keep([this] {
      option_[2]->setText(QCoreApplication::translate("Form1", option2Caption_));
    });
  }
  option2Caption_ = source;
  option_[2]->setText(QCoreApplication::translate("Form1", source));
}

// The formula pictures, Option2's caption and the glossy fields as option `option` shows them.
void Form1::ShowGlossyFields(int option) {
  const FunctionChoice& choice = kFunctionChoices[option];
  image6_->setVisible(choice.image6Shown);
  image5_->setVisible(choice.image5Shown);
  SetOption2Caption(choice.option2Caption);
  // Text5 (s), Label4 ("n =") and Text6 (n) show while the function needs s and n.
  const bool glossFieldsShown = NeedsGlossParameters(choice.reflectanceKind);
  parameters_->Box(ShadeField::kGlossS).setVisible(glossFieldsShown);
  label4_->setVisible(glossFieldsShown);
  parameters_->Box(ShadeField::kGlossN).setVisible(glossFieldsShown);
}

void Form1::ChooseDescribedFunction(int32_t kind) {
  for (int option = 1; option < static_cast<int>(std::size(kFunctionChoices)); ++option) {
    if (kFunctionChoices[option].reflectanceKind == kind) option_[option]->setChecked(true);
  }
}

void Form1::ChooseLaw(int32_t kind, const LawSettings& settings) {
  SelectLaw(kind, settings);
  OnCommand1Clicked();
}

void Form1::SelectLaw(int32_t kind, const LawSettings& settings) {
  // An exclusive group keeps one button checked: it lets go while all four are cleared.
  QButtonGroup* group = option_[1]->group();
  if (group != nullptr) group->setExclusive(false);
  for (int option = 1; option < static_cast<int>(std::size(kFunctionChoices)); ++option) {
    option_[option]->setAutoExclusive(false);
    option_[option]->setChecked(false);
    option_[option]->setAutoExclusive(true);
  }
  if (group != nullptr) group->setExclusive(true);
  ShowGlossyFields(1);  // as the matte function: no s, n or glossy formula
  state_.reflectanceKind = kind;
  state_.law = settings;
  emit FunctionChosen(kind);
}

void Form1::ChangeLawSettings(const LawSettings& settings) {
  state_.law = settings;
  live_->RequestPass();
}

// After the start-up period every change of a legend box reads its whole column.
void Form1::OnLegendTextChanged(LegendColumn column) {
  if (startupPeriod_) return;
  legend_->ReadColumn(column,
                      column == LegendColumn::kLevel ? state_.isoLevel : state_.isoHalfWidth);
}

void Form1::OnPicture1Clicked() {
  state_.backgroundR = kWhiteComponent;
  state_.backgroundG = kWhiteComponent;
  state_.backgroundB = kWhiteComponent;
  picture1_->SetFillColour(Qt::white);  // kept, though it shows nowhere (see PictureBox)
  emit BackgroundChosen(Rgb{kWhiteComponent, kWhiteComponent, kWhiteComponent});
}

void Form1::ChangeExposure(double exposure) {
  state_.exposure = exposure;
  live_->RequestPass();
}

std::optional<double> Form1::BrightestExposure() const {
  if (!lastPass_) return std::nullopt;
  const RenderState& last = lastPass_->state;
  const QImage& image = picture1_->Image();
  return SphereAutoExposure(last, image.width(), image.height());
}

void Form1::ChooseBackground(Rgb colour) {
  SetBackground(state_, colour);
  emit BackgroundChosen(colour);
  if (lastPass_) OnCommand1Clicked();
}

void Form1::SetOverlayChoice(const OverlayChoice& choice) {
  if (choice == overlay_) return;
  overlay_ = choice;
  state_.bandsAsLines = static_cast<int16_t>(choice.contourLines ? 1 : 0);
  emit OverlayChoiceChanged(choice);
  if (lastPass_) OnCommand1Clicked();
}
