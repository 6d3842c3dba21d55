#pragma once
// A check box's state as the handlers read it: 0 unchecked, 1 checked, 2 greyed.

#include <QCheckBox>
#include <cstdint>

inline int16_t CheckBoxValue(const QCheckBox& box) {
  switch (box.checkState()) {
    case Qt::Unchecked:
      return 0;
    case Qt::Checked:
      return 1;
    case Qt::PartiallyChecked:
      return 2;
  }
  return 0;
}
