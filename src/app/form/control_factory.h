#pragma once
// Builds the window's controls from the layout table: one widget per row, placed inside its
// container at 15 twips per pixel, named for its control ("Text8_7"). The lines of the observer
// arrow are not widgets: they become lines of the picture box they are drawn on.

#include <QWidget>
#include <span>

#include "app/form/layout_table.h"

// Creates every control of `controls` in `window`, in table order (later ones lie on top).
void BuildControls(QWidget& window, std::span<const ControlSpec> controls);

// The geometry of a row in pixels (for a line: its bounding box, `borderPixels` high).
QRect ControlPixelRect(const ControlSpec& spec);
