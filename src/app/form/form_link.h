#pragma once
// The form's side of FormControl: each call goes to Form1 and its signals come back out, so that
// the windows beside the form never see Form1 itself.

#include "app/common/form_control.h"

class Form1;

class FormLink final : public FormControl {
  Q_OBJECT
 public:
  explicit FormLink(Form1& form);

  const RenderState& State() const override;
  ShadeInputs ParameterTexts() const override;
  bool SmoothingChecked() const override;
  void ChooseDescribedFunction(int32_t kind) override;
  void ChooseLaw(int32_t kind, const LawSettings& settings) override;
  void ChangeLawSettings(const LawSettings& settings) override;
  void ChangeExposure(double exposure) override;
  std::optional<double> BrightestExposure() const override;
  const OverlayChoice& Overlay() const override;
  void SetOverlayChoice(const OverlayChoice& choice) override;

 private:
  Form1& form_;
};
