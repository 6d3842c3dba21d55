#pragma once
// «Фазовая кривая»: the disc-integrated brightness of the last pass's function against the phase
// angle, 0 to 180 degrees, beside the closed forms of the Lambert and Lommel-Seeliger spheres,
// with the phase integral q. Computed off the window's thread (one degree a step, in 64-bit on a
// fine grid of the disc) for every pass shown while the window is open; «В звёздных величинах»
// plots -2.5 log10 Phi, magnitudes growing downwards, as astronomers plot it.
//
//   Form1's pass shown -> ShowPass -> ComputePhaseCurve off the thread -> PlotView

#include <QWidget>
#include <optional>

#include "app/common/companion_window.h"
#include "app/picture/last_pass.h"
#include "curves/phase_curve.h"
#include "plots/curve_chart.h"

class BackgroundPass;
class JobRunner;
class PlotView;
class QCheckBox;
class QLabel;

class PhaseCurveWindow final : public CompanionWindow {
  Q_OBJECT
 public:
  explicit PhaseCurveWindow(JobRunner& jobs, QWidget* parent = nullptr);

  void ShowPass(const LastPass& pass);
  void CancelPass();
  const std::optional<PhaseCurve>& Curve() const { return curve_; }
  PlotView& View() const { return *view_; }
  // «В звёздных величинах».
  QCheckBox& MagnitudesBox() const { return *magnitudes_; }

 signals:
  // A curve was computed and shown.
  void CurveShown();

 protected:
  void OnShown() override;
  void OnHidden() override;

 private:
  void Compute();
  void ShowCurve();
  void ShowIntegral(bool always);

  PlotView* view_ = nullptr;
  QCheckBox* magnitudes_ = nullptr;
  QLabel* integral_ = nullptr;
  BackgroundPass* pass_ = nullptr;
  std::optional<LastPass> requested_;
  std::optional<PhaseCurve> curve_;
  int32_t kind_ = 0;
};
