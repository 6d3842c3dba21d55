#pragma once
// The row under a plot where its axes' ranges are typed: x and y from and to (empty for the
// automatic range), «Лог. y», «Применить» (or Enter in a box) and «Авто», which empties the boxes
// and applies. The log switch is disabled, its tooltip the reason, where the plot refuses it.
//
//   boxes -> Applied(AxisTexts) -> PlotView

#include <QWidget>

#include "app/curves/plot_axes.h"

class QCheckBox;
class QLineEdit;

class PlotAxesRow final : public QWidget {
  Q_OBJECT
 public:
  explicit PlotAxesRow(QWidget* parent = nullptr);

  AxisTexts Texts() const;
  // The boxes show `ranges` (a range kept after a refused one, or emptied by «Авто»).
  void Show(const AxisRanges& ranges);
  // Enables the log switch, or disables it with the reason as its tooltip.
  void SetLogRefusal(const std::optional<QString>& refusal);

 signals:
  void Applied(const AxisTexts& texts);

 private:
  QLineEdit* MadeBox(const char* name);

  QLineEdit* boxes_[4] = {};  // x from, x to, y from, y to
  QCheckBox* log_ = nullptr;
};
