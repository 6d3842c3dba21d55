#pragma once
// The recovery window's choices: where the images come from (the surface window's images, made
// again with the camera's noise and quantisation, or a folder of photographs), the method and
// the integrator, and the buttons that start and cancel a recovery.

#include <QString>
#include <QWidget>
#include <memory>

#include "recovery/recover_shape.h"
#include "recovery/recovery_images.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

class RecoveryControls final : public QWidget {
  Q_OBJECT
 public:
  explicit RecoveryControls(QWidget* parent = nullptr);

  RecoveryMethod Method() const;
  Integrator ChosenIntegrator() const;
  CameraModel Camera() const;
  // The photographs read from the chosen folder while «Снимки из папки» is chosen; else nullptr.
  std::shared_ptr<const RecoveryImages> Photos() const;
  // Chooses photographs read from `folder`.
  void SetPhotos(std::shared_ptr<const RecoveryImages> photos, const QString& folder);
  // The folder the photographs were read from; empty before any.
  const QString& Folder() const { return folder_; }

  void SetRunning(bool running);
  QPushButton& RunButton() const { return *run_; }
  QPushButton& CancelButton() const { return *cancel_; }

 signals:
  void RunRequested();
  void CancelRequested();
  // «Папка снимков…» chose a folder to read.
  void FolderChosen(const QString& folder);

 private:
  void AskFolder();
  void OnSourceChosen();
  // The folder's name, count and size in the language in use.
  void ShowFolder();

  QRadioButton* fromSurface_ = nullptr;
  QRadioButton* fromFolder_ = nullptr;
  QLabel* folderLabel_ = nullptr;
  QDoubleSpinBox* noise_ = nullptr;
  QSpinBox* seed_ = nullptr;
  QComboBox* bits_ = nullptr;
  QComboBox* method_ = nullptr;
  QComboBox* integrator_ = nullptr;
  QPushButton* run_ = nullptr;
  QPushButton* cancel_ = nullptr;
  std::shared_ptr<const RecoveryImages> photos_;
  QString folder_;
};
