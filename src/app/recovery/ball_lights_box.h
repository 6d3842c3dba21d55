#pragma once
// «Шар-зеркало»: the lights of a folder of mirror-ball photographs (photoset/ball_set.h, what the
// renderer's --ball-lights reads), shown one a line with their slant and tilt. «Записать…»
// writes them as light_directions.txt (whole or not at all: a failure keeps the old file and is
// a message naming it); «Для снимков» asks the window to light the photographs chosen from a
// folder by them. The folder is read by the window, off its thread (FolderChosen, SetLights).

#include <QGroupBox>
#include <functional>
#include <vector>

#include "gradient/light_sources.h"

class QLabel;
class QPushButton;

class BallLightsBox final : public QGroupBox {
  Q_OBJECT
 public:
  explicit BallLightsBox(QWidget* parent = nullptr);

  // The lights found in `folder`; shown, and ready to be written or used.
  void SetLights(std::vector<LightAim> lights, const QString& folder);
  const std::vector<LightAim>& Lights() const { return lights_; }
  // Writes the lights to `path` as light_directions.txt; a failure is a message, and false.
  bool WriteDirections(const QString& path);
  // Tests answer the file dialogs: the folder to read, or the file to write; empty for none.
  void SetPathPicker(std::function<QString(bool folder)> picker) { pickPath_ = std::move(picker); }

 signals:
  // «Папка шара…» chose a folder to read.
  void FolderChosen(const QString& folder);
  // «Для снимков» was pressed with lights found.
  void UseRequested();

 private:
  void AskFolder();
  void AskWrite();
  // The lights in the language in use.
  void ShowLights();

  QLabel* shown_ = nullptr;
  QPushButton* write_ = nullptr;
  QPushButton* use_ = nullptr;
  std::vector<LightAim> lights_;
  QString folder_;
  std::function<QString(bool folder)> pickPath_;
};
