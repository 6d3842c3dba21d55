#pragma once
// «Анимация…» (the «Файл» menu): sweeps one setting from a value to a value in N frames and
// writes the frames of one window's picture as an animated GIF or numbered PNG files. The frames
// are painted on a thread of the dialog's own, so that the window and its passes go on; a
// progress bar counts them and «Отмена» stops the sweep, writing nothing. The sweep starts from
// a copy of what a press of «Тонировать» would paint now; the window's state, boxes and pictures
// are never changed by it.
//
//   FormControl (state, boxes), CompanionWindows (open windows) -> SweepBase + AnimatedScene
//   (copies)
//   -> on the dialog's JobRunner: StepSetting, PaintFrame, AnimationFrames for each frame
//   -> Write -> Finished (a message box if a file could not be written)

#include <QDialog>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "app/animation/frame_painting.h"
#include "app/animation/sweep_setting.h"

class CompanionWindows;
class FormControl;
struct SweepOutcome;
struct SweepRelay;
class JobRunner;
class JobTicket;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;

class AnimationDialog final : public QDialog {
  Q_OBJECT
 public:
  AnimationDialog(FormControl& form, const CompanionWindows& windows, QWidget* parent);
  ~AnimationDialog() override;

  // A sweep has started and has neither finished nor been cancelled.
  bool Running() const { return ticket_ != nullptr; }
  // Starts the sweep the controls describe; a message box says why when they do not read.
  void Start();
  // Stops the sweep under way; nothing is written.
  void Cancel();

 signals:
  // A sweep ended: written, cancelled or failed.
  void Finished();

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;

 private:
  friend struct SweepRelay;  // posts OnDone from the sweep's thread
  // The settings and the pictures offered, for the window as it now is.
  void Refresh();
  void RetranslateUi();
  void OnSettingChosen();
  void Browse();
  void OnDone(uint64_t sweep);
  void ShowRunning(bool running);
  std::optional<AnimatedScene> SceneFor(AnimatedPicture picture) const;
  SweepBase Base() const;

  FormControl& form_;
  const CompanionWindows& windows_;
  QComboBox* setting_ = nullptr;
  QComboBox* picture_ = nullptr;
  QLineEdit* from_ = nullptr;
  QLineEdit* to_ = nullptr;
  QSpinBox* frames_ = nullptr;
  QSpinBox* delay_ = nullptr;
  QLineEdit* file_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QTimer* progressTimer_ = nullptr;
  std::vector<SweepSetting> settings_;  // as the setting box lists them
  std::unique_ptr<JobRunner> runner_;   // the sweeps' thread; the destructor ends it first
  std::shared_ptr<SweepRelay> relay_;
  std::shared_ptr<JobTicket> ticket_;  // the sweep under way
  std::shared_ptr<SweepOutcome> outcome_;
  uint64_t sweep_ = 0;  // counts the sweeps started
};
