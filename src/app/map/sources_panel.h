#pragma once
// «Источники»: the map window's panel of light sources for photometric stereo. Source 1 is the
// described one (the main window's slant, tilt 0) and cannot be edited here; sources 2 and 3 are
// always there, and «Добавить» adds sources 4 to 8 one by one (checked), «Убрать» takes the last
// added away. Each has a check box that uses it, a slant and a tilt box (degrees, in the user's
// number format, read as the main window's slant box: a text that does not read, or a value whose
// radians are beyond a 32-bit float, marks its box and keeps its last value), and «Освещено
// всеми» hatches the region of the map every source used lights. The sphere and its pass keep
// the one source.

#include <QGroupBox>
#include <array>
#include <vector>

#include "figure/used_source.h"
#include "setup/setup.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class SourcesPanel final : public QGroupBox {
  Q_OBJECT
 public:
  explicit SourcesPanel(QWidget* parent = nullptr);

  // The checked extra sources in order (numbered 2 to 8), each with the last values that read.
  std::vector<UsedSource> ExtraSources() const;
  bool LitByAllChecked() const;
  // The extra sources the panel holds, used or not, with their aims; and back, as if typed and
  // checked (sources 2 and 3 always, each further one listed added).
  std::vector<SourceSetup> Setups() const;
  void Restore(const std::vector<SourceSetup>& sources, bool litByAll);
  // How many extra sources the panel holds: 2 to 7.
  int ExtraCount() const { return count_; }
  // As «Добавить» and «Убрать» do: a source added is checked at its start aim.
  void AddSource();
  void RemoveSource();

 signals:
  // A check box changed, or a box's text read as a new value.
  void Changed();

 private:
  struct ExtraRow {
    QLabel* swatch = nullptr;
    QCheckBox* use = nullptr;
    QLineEdit* slant = nullptr;
    QLineEdit* tilt = nullptr;
    std::array<QLabel*, 2> degrees{};
    LightAim aim;
  };

  void OnTextEdited(ExtraRow& row, QLineEdit& box, double& value);
  // Shows the first `count` rows; a row hidden goes back to its start, unchecked.
  void ShowRows(int count);
  void SetRow(ExtraRow& row, const SourceSetup& setup);

  // Every row is made once; those beyond count_ are hidden.
  std::array<ExtraRow, kMaxExtraSources> rows_{};
  int count_ = kFixedExtraSources;
  QCheckBox* litByAll_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* remove_ = nullptr;
};
