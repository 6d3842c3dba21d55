#pragma once
// The surface window's controls: which surface (a kind of the catalogue, or an elevation model
// read from a file), its size, its parameters, the height scale, cast shadows and an albedo
// picture. A box whose text does not read in the user's number format, or whose value lies
// outside its range, is marked (input_box_mark.h) and changes nothing; its value stays the last
// that read. A file that cannot be read is reported in a message box naming it, and changes
// nothing.
//
//   combo, spin boxes, boxes, buttons -> Choice() + Generation() -> Changed()

#include <QImage>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "app/surface/surface_choice.h"
#include "setup/setup.h"
#include "surface/surface_catalogue.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class SurfaceControls final : public QWidget {
  Q_OBJECT
 public:
  explicit SurfaceControls(QWidget* parent = nullptr);

  // The surface described now, each box at the last value that read.
  SurfaceChoice Choice() const;
  // Counts the changes of the surface itself (the shadows' switch is not one): a scene made at
  // another count is out of date.
  int Generation() const { return generation_; }
  bool CastShadows() const;

  // Reads `path` as the albedo picture. True when read.
  bool LoadAlbedo(const QString& path);
  void DropAlbedo();
  // Reads an elevation model from `path` and chooses it. True when read.
  bool OpenModel(const QString& path);
  // In surface_controls_setup.cpp. The controls as a setup holds them; and back: the setup's
  // files are read first, and one that does not read is the message, with nothing changed.
  SurfaceSetup Setup() const;
  std::optional<QString> Restore(const SurfaceSetup& setup);

 signals:
  // The surface or the shadows' switch changed.
  void Changed();
  // «Восстановление формы…» was pressed.
  void RecoveryRequested();

 private:
  int ModelIndex() const;
  bool ModelChosen() const;
  void OnKindChosen();
  void BuildParameterBoxes();
  void OnParameterEdited(size_t parameter, QLineEdit& box);
  void OnHeightScaleEdited();
  void AskAlbedo();
  void AskModel();
  void SurfaceChanged();
  // In surface_controls_texts.cpp: the texts made of the catalogue and of the files chosen, set
  // again in the language in use.
  void RetranslateUi();
  QString ModelTitle() const;
  QString AlbedoTitle() const;

  QComboBox* kind_ = nullptr;
  QSpinBox* width_ = nullptr;
  QSpinBox* height_ = nullptr;
  QWidget* parameters_ = nullptr;  // the chosen kind's boxes, made again for each kind
  QFormLayout* parameterRows_ = nullptr;
  QLineEdit* heightScale_ = nullptr;
  QCheckBox* castShadows_ = nullptr;
  QPushButton* noAlbedo_ = nullptr;
  QLabel* albedoName_ = nullptr;
  std::vector<std::vector<double>> values_;  // each kind's, kept while another is chosen
  double heightScaleValue_ = 1.0;
  QImage albedo_;
  QString albedoPath_;
  int catalogueKind_ = 0;  // the catalogue's kind last chosen, kept while a model is shown
  QString modelPath_;
  std::shared_ptr<const HeightField> model_;
  int generation_ = 0;
};
