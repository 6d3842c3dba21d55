#pragma once
// «Фазовая кривая»: the disc-integrated brightness of the last pass's function against the phase
// angle, 0 to 180 degrees (or, «Оппозиция: 0–10°», 0 to 10 in steps of 0.1), beside the closed
// forms of the Lambert and Lommel-Seeliger spheres, with the law's absolute photometry: the
// geometric albedo p, the phase integral q and the spherical albedo A = p q, for the albedo typed
// beside them (Lambert's, the single-scattering albedo of Lommel-Seeliger, Hapke's own w, or the
// normal albedo of any other law; p and A grow in proportion to it). Computed off the window's
// thread (one degree a step, in 64-bit on a fine grid of the disc) for every pass shown while the
// window is open; «В звёздных величинах» plots -2.5 log10 Phi, magnitudes growing downwards, as
// astronomers plot it. The tab «Наблюдения» holds observed points and their fit
// (observations_panel.h). Under it, values typed for one of the law's parameters draw its curve
// at each instead (parameter_values_row.h), «k = 0.5» …
//
//   Form1's pass shown -> ShowPass -> ComputePhaseCurve, ComputeDiscPhotometry off the thread
//   -> PlotView, the albedos' line; -> ObservationsPanel::SetLaw

#include <QWidget>
#include <optional>
#include <vector>

#include "app/common/companion_window.h"
#include "app/picture/last_pass.h"
#include "curves/disc_photometry.h"
#include "curves/phase_curve.h"
#include "plots/curve_chart.h"

class BackgroundPass;
class JobRunner;
class ObservationsPanel;
class PlotView;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class ParameterValuesRow;

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
  // The law's albedo, and p, q and A at albedo 1 (none for the mirror or a dark law).
  QLineEdit& AlbedoBox() const { return *albedoBox_; }
  // Types `albedo` into the box, as a user would: refused as a typed value would be.
  void SetAlbedo(double albedo);
  // «Оппозиция: 0–10°»: the curve from 0 to 10 degrees in steps of 0.1.
  QCheckBox& OppositionBox() const { return *opposition_; }
  double Albedo() const { return albedo_; }
  const std::optional<DiscPhotometry>& Photometry() const { return photometry_; }
  ObservationsPanel& Observations() const { return *observations_; }
  ParameterValuesRow& ValuesRow() const { return *valuesRow_; }
  // The curves at the values typed, in their order; empty when none are.
  const std::vector<PhaseCurve>& ValueCurves() const { return valueCurves_; }
  // «Толщина линий» to the curve's plot and the observations' two.
  void SetLineWidth(int width);

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
  void ReadAlbedo();

  PlotView* view_ = nullptr;
  QCheckBox* magnitudes_ = nullptr;
  QCheckBox* opposition_ = nullptr;
  QLabel* integral_ = nullptr;
  QLabel* albedoCaption_ = nullptr;
  QLineEdit* albedoBox_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  ObservationsPanel* observations_ = nullptr;
  ParameterValuesRow* valuesRow_ = nullptr;
  std::vector<PhaseCurve> valueCurves_;
  std::vector<QString> valueLabels_;
  double albedo_ = kStartAlbedo;
  std::optional<DiscPhotometry> photometry_;  // at albedo 1
  BackgroundPass* pass_ = nullptr;
  std::optional<LastPass> requested_;
  std::optional<PhaseCurve> curve_;
  int32_t kind_ = 0;
};
