#pragma once
// The map's figure drawn into its pixels as the renderer draws it over --gradient-space: the axes
// with their numbered ticks and the conventions, in the standalone figure font. Qt Gui paints it,
// through a QGuiApplication on the offscreen platform made once for the process (unless one
// exists already).

#include "model/image_buffer.h"

// Draws the figure of a map painted at `scale` over `picture`. Call on the Python thread.
void DrawMapFigureOver(ImageBuffer& picture, int scale);
