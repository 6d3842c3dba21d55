#pragma once
// The row under the phase curve where several values of one parameter of the chosen law are
// typed («k: 0.5; 1; 1.5», Enter draws them): the parameter from a list of the law's own, the
// values in a box. A text that does not read is a message box and keeps the values drawn; a law
// without listed parameters disables the row, its tooltip the reason; a new law empties it.
//
//   SetLaw(kind) -> the law's parameters; Enter -> ReadParameterValues -> ValuesChosen

#include <QWidget>
#include <cstdint>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
struct LawParameterSpec;

class ParameterValuesRow final : public QWidget {
  Q_OBJECT
 public:
  explicit ParameterValuesRow(QWidget* parent = nullptr);

  void SetLaw(int32_t kind);
  // The parameter's index among the law's and its values drawn; none drawn: one curve, the law's.
  int ParameterIndex() const { return index_; }
  const std::vector<double>& Values() const { return values_; }
  const LawParameterSpec* Parameter() const;
  // Reads the box as Enter does; true when its values were taken.
  bool Apply();
  QLineEdit& ValuesBox() const { return *box_; }
  QComboBox& ParameterBox() const { return *parameter_; }

 signals:
  void ValuesChosen();

 private:
  QLabel* caption_ = nullptr;
  QComboBox* parameter_ = nullptr;
  QLineEdit* box_ = nullptr;
  int32_t kind_ = -1;
  int index_ = 0;
  std::vector<double> values_;
};
