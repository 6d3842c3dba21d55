#pragma once
// The typed formula's part of the «Параметры функции» window: «Начать с:» (a law's formula to
// start from), the formula box, up to four parameters (a name, a value, a slider from −10 to 10;
// a typed value may be any finite number), «Применить» and the place for the error.
//
//   «Применить» or Enter -> CompileFormula(text, names) -> FormulaApplied, or the error shown in
//                           Russian with its position, the box marked, and nothing else changed
//   the formula edited   -> longer than 4000 characters: the box marked and the error shown at
//                           once, and «Применить» refuses it
//   a value of an applied formula's parameter moved     -> ValuesChanged

#include <QWidget>
#include <array>
#include <optional>

#include "model/law_settings.h"

class LawParameterRow;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class FormulaPanel final : public QWidget {
  Q_OBJECT
 public:
  // The slider's range of a formula's parameter.
  static constexpr double kSliderLowest = -10.0;
  static constexpr double kSliderHighest = 10.0;

  explicit FormulaPanel(QWidget* parent = nullptr);

  // Compiles the box's text with the rows' names. The settings of the formula, which then
  // becomes the applied one; or nothing, with the error shown and its box marked.
  std::optional<LawSettings> Compile();
  // The last formula that compiled, with its parameters' values as they stand; none before.
  const std::optional<LawSettings>& Applied() const { return applied_; }
  // The error shown, empty when there is none.
  QString ErrorText() const;

  // Shows the compiled formula of `settings` with its parameters and makes it the applied one,
  // as if typed and applied, without FormulaApplied (a setup opened); settings without a formula
  // empty the panel.
  void Restore(const LawSettings& settings);
  QLineEdit& FormulaBox() const { return *formula_; }
  QComboBox& StartChoice() const { return *start_; }

 signals:
  // «Применить» or Enter, and the formula compiled.
  void FormulaApplied();
  // A parameter of the applied formula took a new value.
  void ValuesChanged();

 private:
  void OnStartChosen(int index);
  void OnApply();
  void OnFormulaEdited();
  void OnValueChanged(int row, double value);
  void ShowError(const QString& text);

  QComboBox* start_ = nullptr;
  QLineEdit* formula_ = nullptr;
  std::array<LawParameterRow*, kMaxFormulaParameters> rows_{};
  QPushButton* apply_ = nullptr;
  QLabel* error_ = nullptr;
  std::optional<LawSettings> applied_;
  bool tooLongShown_ = false;  // the error shown says the formula is too long
  // Which of the applied formula's parameters each row sets; -1 for none.
  std::array<int, kMaxFormulaParameters> parameterOfRow_{-1, -1, -1, -1};
};
