#pragma once
// The window's icon: a dark sphere lit from the upper right, a purple crescent on its left edge
// and short grey strokes like axes, in a handful of flat colours on a transparent ground.

#include <QImage>

// The icon, `size` pixels square; the window's is 32. Larger and smaller ones scale the design,
// and the shapes stay crisp at every size.
QImage DrawIcon(int size = 32);

// The sizes of the installed desktop icons.
inline constexpr int kDesktopIconSizes[] = {16, 32, 48, 64, 128, 256};
