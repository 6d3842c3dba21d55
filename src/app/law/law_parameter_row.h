#pragma once
// One parameter in the «Параметры функции» window: its caption (or, for a typed formula, a box
// for its name), a box with its value in the user's number format, and a slider over its range.
//
//   slider moved        -> value at that step, written to the box   -> valueChanged
//   box edited, reads   -> value, the slider follows, mark removed  -> valueChanged
//   box edited, refused -> marked (red, the reason as its tooltip); the value and the slider
//                          stay where the value in effect put them
//
// A law's box refuses a value outside the law's range, its bounds included in it; a formula's
// box takes any finite value, its slider covering the range it was given and stopping at the
// end nearer a value beyond it.

#include <QObject>
#include <QString>

#include "photometry/law_catalogue.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QSlider;

class LawParameterRow final : public QObject {
  Q_OBJECT
 public:
  static constexpr int kSliderSteps = 1000;

  // Adds the row's widgets to `grid` at `row`, named `prefix` + Caption, Name, Value, Slider,
  // with the index: "LawValue_0", "FormulaName_2". A `named` row has a name box, not a caption.
  LawParameterRow(QGridLayout& grid, int row, const QString& prefix, bool named, QObject* parent);

  // The slider's range; a value typed outside it is refused unless `anyFiniteValue`.
  void SetRange(const LawParameterSpec& range, bool anyFiniteValue);
  // Shows `value` in the box and on the slider, without valueChanged.
  void SetValue(double value);
  double Value() const { return value_; }
  void SetCaption(const QString& caption);
  void SetShown(bool shown);

  QLineEdit* NameBox() const { return name_; }
  QLineEdit& ValueBox() const { return *box_; }
  QSlider& Slider() const { return *slider_; }

 signals:
  void ValueChanged(double value);

 private:
  void OnSliderMoved(int position);
  void OnTextEdited();
  int PositionOf(double value) const;

  QLabel* caption_ = nullptr;
  QLineEdit* name_ = nullptr;  // a typed formula's rows only
  QLineEdit* box_ = nullptr;
  QSlider* slider_ = nullptr;
  LawParameterSpec range_{"", 0.0, 1.0, 0.0};
  bool anyFiniteValue_ = false;
  double value_ = 0.0;
};
