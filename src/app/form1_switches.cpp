// Form1's display switches (Check1, Check3), the choice of reflectance function (Option1 to
// Option4) and the click on the picture area.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/check_state.h"
#include "app/form1.h"
#include "app/layout_table.h"
#include "app/picture_box.h"
#include "app/shape_widget.h"
#include "shading/parameter_intake.h"

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
    {kMatte, true, false, "Глянцевая"},
    {kGlossy, false, true, "Глянцевая     s="},
    {kRocky, true, false, "Глянцевая"},
    {kMirror, true, false, "Глянцевая"},
};

}  // namespace

void Form1::OnCheck1StateChanged() { state_.halfSphere = CheckBoxValue(*check1_); }

void Form1::OnCheck3StateChanged() {
  state_.showIsolines = CheckBoxValue(*check3_);
  // Rows 0..6 are Shape1(7), Shape1(1)..Shape1(6); Shape1(0) and Shape2 keep their colours.
  for (int row = 0; row < kIsoBandCount; ++row) {
    const QColor colour =
        state_.showIsolines == 1 ? ColourFromBgr(kSwatchColours[row]) : QColor(Qt::white);
    shape1_[LegendControlIndex(row)]->setFillColour(colour);
  }
  // The picture keeps its content: the new value takes effect with the next pass.
}

void Form1::OnOptionToggled(int option, bool selected) {
  if (!selected) return;  // the button the choice moved away from
  const FunctionChoice& choice = kFunctionChoices[option];
  state_.reflectanceKind = choice.reflectanceKind;
  option_[option]->setChecked(true);  // the group clears the three others
  image6_->setVisible(choice.image6Shown);
  image5_->setVisible(choice.image5Shown);
  option_[2]->setText(QString::fromUtf8(choice.option2Caption));
  // Text5 (s), Label4 ("n =") and Text6 (n) show while the function needs s and n.
  const bool glossFieldsShown = NeedsGlossParameters(choice.reflectanceKind);
  text5_->setVisible(glossFieldsShown);
  label4_->setVisible(glossFieldsShown);
  text6_->setVisible(glossFieldsShown);
}

void Form1::OnPicture1Clicked() {
  state_.backgroundR = kWhiteComponent;
  state_.backgroundG = kWhiteComponent;
  state_.backgroundB = kWhiteComponent;
  picture1_->SetFillColour(Qt::white);  // kept, though it shows nowhere (see PictureBox)
}
