#pragma once
// «Наблюдения» of the phase curve window: observed points opened from a CSV file
// (curves/observations.h), drawn with the chosen law on its physical scale (or, for magnitudes,
// with H at the brightest point), and the names typed in «Подобрать» fitted to them by weighted
// least squares: the law's parameters with albedo or H, or H,G, or H,G1,G2. Shows the values with
// their uncertainties, the chi-square, the model through the points and the residuals.
//
//   OpenFile -> ReadObservationFile -> points (a bad file: a message, nothing changes)
//   SetLaw (each pass shown) -> the law's curve; Fit -> PhaseModel -> FitPhaseModel off the
//   window's thread (a fit of a slow law or a typed formula can take seconds) -> plots

#include <QWidget>
#include <optional>

#include "curves/observations.h"
#include "curves/phase_fit.h"
#include "model/render_state.h"

class BackgroundPass;
class JobRunner;
class PlotView;
class QLabel;
class QLineEdit;
class QPushButton;

class ObservationsPanel final : public QWidget {
  Q_OBJECT
 public:
  ObservationsPanel(JobRunner& jobs, QWidget* parent);

  // The law of the pass shown and its albedo: a fit shown before, or under way, is dropped.
  void SetLaw(const RenderState& state, double albedo);
  // Reads the file; a file that does not read is a message box naming each bad line, and what was
  // shown stays. True when read.
  bool OpenFile(const QString& path);
  // Shows points already read from `path` (a setup's file, read before anything changed).
  void ShowPoints(const ObservationSet& points, const QString& path);
  // The file the points shown were read from; empty for none.
  const QString& FilePath() const { return filePath_; }
  // Starts the fit of the names typed, shown when done (at once when within a frame); a name the
  // model cannot vary is a message box. True when started.
  bool Fit();

  const std::optional<ObservationSet>& Points() const { return points_; }
  const std::optional<PhaseFit>& LastFit() const { return fitted_; }
  PlotView& PointsView() const { return *pointsView_; }
  PlotView& ResidualView() const { return *residualView_; }
  QLineEdit& NamesBox() const { return *names_; }

 signals:
  void Opened();

 private:
  void AskFile();
  void ShowModel();
  void ShowFitText();

  QPushButton* open_ = nullptr;
  QLabel* file_ = nullptr;
  QLineEdit* names_ = nullptr;
  QPushButton* fitButton_ = nullptr;
  QLabel* result_ = nullptr;
  PlotView* pointsView_ = nullptr;
  PlotView* residualView_ = nullptr;
  BackgroundPass* fitPass_ = nullptr;
  std::optional<RenderState> state_;
  double albedo_ = 1.0;
  std::optional<ObservationSet> points_;
  QString fileName_;
  QString filePath_;  // absolute
  std::optional<PhaseFit> fitted_;
  std::vector<std::string> fitNames_;
};
