#pragma once
// The grey tone's colour bar drawn beside an exported picture: a vertical bar from black (phi 0)
// to white (the phi the exposure paints white, 1/k), under a title, with 0, the middle and the top
// written beside it in phi; "exposure k" under the title when k is not 1.

#include <QLocale>
#include <QPointF>
#include <QSizeF>

class QPainter;

// The room the bar and its numbers take in logical pixels, in the figure's standalone font.
QSizeF ToneBarSize(double exposure, const QLocale& locale);
void DrawToneBar(QPainter& painter, QPointF topLeft, double exposure, const QLocale& locale);
