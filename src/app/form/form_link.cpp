#include "app/form/form_link.h"

#include "app/form/form1.h"

FormLink::FormLink(Form1& form) : FormControl(&form), form_(form) {
  connect(&form, &Form1::FunctionChosen, this, &FormControl::FunctionChosen);
  connect(&form, &Form1::OverlayChoiceChanged, this, &FormControl::OverlayChoiceChanged);
}

const RenderState& FormLink::State() const { return form_.State(); }
ShadeInputs FormLink::ParameterTexts() const { return form_.ParameterTexts(); }
bool FormLink::SmoothingChecked() const { return form_.SmoothingChecked(); }

void FormLink::ChooseDescribedFunction(int32_t kind) { form_.ChooseDescribedFunction(kind); }
void FormLink::ChooseLaw(int32_t kind, const LawSettings& settings) {
  form_.ChooseLaw(kind, settings);
}
void FormLink::ChangeLawSettings(const LawSettings& settings) { form_.ChangeLawSettings(settings); }

void FormLink::ChangeExposure(double exposure) { form_.ChangeExposure(exposure); }
std::optional<double> FormLink::BrightestExposure() const { return form_.BrightestExposure(); }

const OverlayChoice& FormLink::Overlay() const { return form_.Overlay(); }
void FormLink::SetOverlayChoice(const OverlayChoice& choice) { form_.SetOverlayChoice(choice); }
