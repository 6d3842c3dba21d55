#pragma once
// The isoline legend: seven rows, each a level box (Text8), "±" (Label2), a half-width box
// (Text7) and its colour swatch (Shape1); row 0 is the top row. Reading a column copies its seven
// texts into the RenderState's isoLevel or isoHalfWidth. A box whose text does not read, as while
// the user retypes it, is marked instead (red background, the reason in its tooltip) and its
// element keeps the last value read; while any box is marked the shade button refuses with the
// panel's message.

#include <QString>
#include <array>
#include <vector>

#include "intake/input_messages.h"
#include "intake/legend_intake.h"
#include "model/render_state.h"

class QLabel;
class QLineEdit;
class QWidget;
class ShapeWidget;

inline constexpr std::array<LegendColumn, 2> kLegendColumns = {LegendColumn::kLevel,
                                                               LegendColumn::kHalfWidth};

class LegendPanel {
 public:
  // Finds the legend's controls in the built `window`.
  explicit LegendPanel(const QWidget& window);

  QLineEdit& Box(LegendColumn column, int row) const;
  // The fourteen boxes, row by row, level before half-width.
  std::vector<QLineEdit*> Boxes() const;

  // Start-up: the "±" captions and the start-up texts; nothing is read.
  void ShowStartupTexts();
  // The swatches in the isoline colours, or white when isolines are off.
  void ShowSwatchColours(bool colourIsolines);

  // Reads the seven texts of `column` into `values`, marking each box that does not read and
  // unmarking each that does.
  void ReadColumn(LegendColumn column, std::array<float, kIsoBandCount>& values);
  // What the shade button says instead of a pass while a box is marked; empty when none is.
  QString Refusal() const;

 private:
  // One column as last read: its texts and why each did not read.
  struct ColumnReading {
    LegendTexts texts;
    LegendErrors errors{};
  };

  static size_t ColumnIndex(LegendColumn column) { return column == LegendColumn::kLevel ? 0 : 1; }

  std::array<std::array<QLineEdit*, kIsoBandCount>, kLegendColumns.size()> boxes_{};
  std::array<ShapeWidget*, kIsoBandCount> swatches_{};
  std::vector<QLabel*> plusMinusLabels_;
  std::array<ColumnReading, kLegendColumns.size()> readings_{};
};
