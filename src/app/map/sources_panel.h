#pragma once
// «Источники»: the map window's panel of light sources for photometric stereo. Source 1 is the
// described one (the main window's slant, tilt 0) and cannot be edited here; sources 2 and 3 each
// have a check box that uses it, a slant and a tilt box (degrees, in the user's number format,
// read as the main window's slant box: a text that does not read, or a value whose radians are
// beyond a 32-bit float, marks its box and keeps its last value), and «Освещено всеми» hatches
// the region of the map every source used lights. The sphere and its pass keep the one source.

#include <QGroupBox>
#include <array>
#include <vector>

#include "figure/used_source.h"
#include "setup/setup.h"

class QCheckBox;
class QLineEdit;

class SourcesPanel final : public QGroupBox {
  Q_OBJECT
 public:
  explicit SourcesPanel(QWidget* parent = nullptr);

  // The checked extra sources in order (numbered 2 and 3), each with the last values that read.
  std::vector<UsedSource> ExtraSources() const;
  bool LitByAllChecked() const;
  // Both extra sources, used or not, with their aims; and back, as if typed and checked.
  std::array<SourceSetup, 2> Setups() const;
  void Restore(const std::array<SourceSetup, 2>& sources, bool litByAll);

 signals:
  // A check box changed, or a box's text read as a new value.
  void Changed();

 private:
  struct ExtraRow {
    QCheckBox* use = nullptr;
    QLineEdit* slant = nullptr;
    QLineEdit* tilt = nullptr;
    LightAim aim;
  };
  static constexpr int kExtraCount = kMaxLightSources - 1;

  void OnTextEdited(ExtraRow& row, QLineEdit& box, double& value);

  std::array<ExtraRow, kExtraCount> rows_{};
  QCheckBox* litByAll_ = nullptr;
};
