#pragma once
// What the windows beside the form ask of it: its state and what a press of «Тонировать» would
// read, the function and an additional law's settings, the exposure and what is drawn over the
// pictures. «Параметры функции», «Яркость», «Анимация…», the «Функция» menu and the overlay's
// items work through this, not on the form itself; the form gives its own (FormLink).

#include <QObject>
#include <cstdint>
#include <optional>

#include "intake/parameter_intake.h"
#include "model/law_settings.h"
#include "model/render_state.h"
#include "overlay/overlay_marks.h"

class FormControl : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

  virtual const RenderState& State() const = 0;
  // The angle, s and n boxes' texts and the smoothing switch, as the shade command reads them.
  virtual ShadeInputs ParameterTexts() const = 0;
  virtual bool SmoothingChecked() const = 0;

  // A described function (kMatte to kMirror) as its option button chooses it, with no pass.
  virtual void ChooseDescribedFunction(int32_t kind) = 0;
  // An additional law and its settings, shaded at once.
  virtual void ChooseLaw(int32_t kind, const LawSettings& settings) = 0;
  // New settings for the chosen additional law: the pass follows, at most one a frame.
  virtual void ChangeLawSettings(const LawSettings& settings) = 0;

  // The exposure k of the grey tone: the pass follows, at most one a frame.
  virtual void ChangeExposure(double exposure) = 0;
  // The exposure that paints the brightest finite phi of the last pass white; none before it.
  virtual std::optional<double> BrightestExposure() const = 0;

  virtual const OverlayChoice& Overlay() const = 0;
  virtual void SetOverlayChoice(const OverlayChoice& choice) = 0;

 signals:
  // Whichever way the function was chosen: an option button, a menu or a law's window.
  void FunctionChosen(int32_t kind);
  void OverlayChoiceChanged(const OverlayChoice& choice);
};
