#pragma once
// The window's icon: a dark sphere lit from the upper right, a purple crescent on its left edge
// and short grey strokes like axes, in a handful of flat colours on a transparent ground.

#include <QImage>

// The 32x32 icon.
QImage drawIcon();
