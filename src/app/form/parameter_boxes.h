#pragma once
// The six parameter boxes the shade command reads, Text1 to Text6, indexed by the field each
// holds. A box the shade command found wrong keeps its mark until its text changes.

#include <array>
#include <string>

#include "intake/parameter_intake.h"

class QLineEdit;
class QWidget;

class ParameterBoxes {
 public:
  // Finds the boxes in the built `window`.
  explicit ParameterBoxes(const QWidget& window);

  QLineEdit& Box(ShadeField field) const { return *boxes_[static_cast<size_t>(field)]; }
  const std::array<QLineEdit*, kShadeFieldCount>& All() const { return boxes_; }

  // The six texts as they stand.
  ShadeInputs Inputs() const;
  // Marks the box of `error` with its message.
  void Mark(const InputError& error) const;

 private:
  std::string Text(ShadeField field) const;

  std::array<QLineEdit*, kShadeFieldCount> boxes_{};
};
