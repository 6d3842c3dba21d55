#pragma once
// «Восстановление формы»: the shape of a surface recovered from its images, beside the truth.
// The images are the surface window's (one a source, made again with the chosen noise and
// quantisation) or a folder of photographs; «Восстановить» runs the chosen method on a thread of
// the window's own with a progress bar, «Отмена» or Esc stops it, and the window keeps answering.
// It shows the albedo, the normal map, needles over the first image, the height lit by the law
// from a light of one's choice, and the angle of each normal from the truth on a colour scale,
// with the report's figures. A click on a picture chooses a cell: its recovered and true
// orientation are given and marked on the map (PixelChosen). Each result can be saved: the
// height as GeoTIFF or ASCII grid, the normal map and albedo as PNG, the figures as text.
//
//   SurfaceSnapshot (from the surface window) or photographs -> RunRecovery -> the pictures

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/recovery/recovery_run.h"
#include "photometry/gradient_space.h"

class BackgroundPass;
class BallLightsBox;
class JobRunner;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class RecoveryControls;
class RecoveryPicture;

// What the surface window shows now: the law of the last pass, its scene and its sources.
struct SurfaceSnapshot {
  RenderState law;
  std::shared_ptr<const SurfaceScene> scene;
  std::vector<LightAim> sources;
};

enum class RecoveryView { kAlbedo, kNormalMap, kNeedles, kHeight, kError };
enum class RecoveryExport { kHeight, kNormals, kAlbedo, kReport, kErrorMap };

class RecoveryWindow final : public QWidget {
  Q_OBJECT
 public:
  explicit RecoveryWindow(QWidget* parent = nullptr);
  ~RecoveryWindow() override;

  // Where the images and the law come from when «Восстановить» is pressed.
  void SetSnapshotSource(std::function<std::optional<SurfaceSnapshot>()> source);
  // Reads the folder's photographs on the window's thread of work (the progress bar shows it);
  // once read, they are chosen as the images. A folder that does not read is a message naming
  // the file, and changes nothing.
  void OpenFolder(const QString& folder);
  // Tests answer the file dialogs: the path to save to, or empty for none.
  void SetPathPicker(std::function<QString(RecoveryExport)> picker);
  // In recovery_ball.cpp. Reads the lights of a folder of mirror-ball photographs as OpenFolder
  // reads photographs; a folder that does not read is a message, and changes nothing.
  void OpenBallFolder(const QString& folder);
  // Lights the photographs chosen from a folder by the ball's lights; without photographs, with
  // another count or with lights that cannot light a stereo, a message, nothing changed, false.
  bool UseBallLights();
  BallLightsBox& BallLights() const { return *ball_; }

  RecoveryControls& Controls() const { return *controls_; }
  RecoveryPicture& Picture() const { return *picture_; }
  void ShowView(RecoveryView view);
  // The last recovery's outcome; nullptr before the first one ends.
  const RecoveryOutcome* Outcome() const { return outcome_.get(); }
  bool Running() const;
  // Writes what `what` names to `path`; a failure is a message, and false.
  bool Export(RecoveryExport what, const QString& path);
  // The report's lines, name=value, as the renderer prints them.
  std::string ReportText() const;

 public slots:
  void Run();
  void Cancel();
  void ChooseCell(QPoint cell);

 signals:
  // A cell was chosen: its true orientation (none without a truth) and the recovered one.
  void PixelChosen(std::optional<Gradient> truth, std::optional<Gradient> recovered);
  // A recovery ended (not when cancelled).
  void Recovered();

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void ShowOutcome(std::shared_ptr<RecoveryOutcome> outcome);
  void ShowFigures();
  void RetranslateUi();
  // Shows the text under the picture composed by `compose`, again on a change of language.
  void ShowCellText(std::function<QString()> compose);
  QString CellText(QPoint cell) const;
  void UpdatePicture();
  // The albedo as «Альбедо» shows it and its export writes it: in colour for colour photographs.
  QImage AlbedoPicture() const;
  QImage HeightImage() const;
  QImage FirstImage() const;
  void AskExport(RecoveryExport what);
  // The error map's top: the box's degrees, or the automatic round top at «авто».
  double ChosenErrorTop() const;
  QWidget* MakeExportButtons();

  RecoveryControls* controls_ = nullptr;
  BallLightsBox* ball_ = nullptr;
  RecoveryPicture* picture_ = nullptr;
  QComboBox* view_ = nullptr;
  QDoubleSpinBox* lightSlant_ = nullptr;
  QDoubleSpinBox* errorTop_ = nullptr;  // the error map's top, 0 for «авто»
  QDoubleSpinBox* lightTilt_ = nullptr;
  QLabel* figures_ = nullptr;
  QLabel* cellText_ = nullptr;
  std::function<QString()> composeCellText_;  // what cellText_ shows, in the language in use
  std::vector<QPushButton*> exports_;
  std::unique_ptr<JobRunner> runner_;  // its own thread: a long recovery holds up no pass
  BackgroundPass* pass_ = nullptr;
  std::function<std::optional<SurfaceSnapshot>()> snapshot_;
  std::function<QString(RecoveryExport)> pickPath_;
  std::shared_ptr<RecoveryOutcome> outcome_;
  std::optional<QPoint> chosen_;
};
