#pragma once
// Painting over a pass's pixels with QPainter from the module: a QGuiApplication on the offscreen
// platform made once for the process (unless one exists already), and the picture's buffer seen
// as a QImage without a copy.

#include <QImage>

#include "model/image_buffer.h"

// Makes the process's QGuiApplication if there is none. Call on the Python thread.
void EnsureOffscreenGui();

// The picture's words as a Format_RGB32 image of pixel ratio `scale`: painting on it paints the
// picture. Null for an empty picture; `picture` must outlive it.
QImage PictureImage(ImageBuffer& picture, int scale);
