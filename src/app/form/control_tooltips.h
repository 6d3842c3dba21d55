#pragma once
// The short tooltips of the window's input controls: what each value means, its unit and usual
// range, numbers in the user's format; beside the angle boxes, the pictures of their signs say
// which way a positive angle turns. A box that is marked (see input_box_mark.h) shows the mark
// instead and gets its own tooltip back when the mark goes.

#include <QString>

#include "app/common/input_box_mark.h"

class QWidget;

// Gives every parameter box, sign picture, option button, check box and legend box of `form`
// its tooltip.
void GiveToolTips(QWidget& form);
