#pragma once
// Finding a control of the built window by its name and index, as the layout table names it.

#include <QWidget>

#include "app/form/layout_table.h"

// Control `name`, element `index` of its array (kNoIndex for a single control), of type T; it
// must exist.
template <typename T>
T& FindControl(const QWidget& window, const char* name, int index = kNoIndex) {
  T* control = window.findChild<T*>(ControlObjectName(name, index));
  Q_ASSERT(control != nullptr);
  return *control;
}
