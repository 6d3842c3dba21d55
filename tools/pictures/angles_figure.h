#pragma once
// The help's figure of the three photometric angles: the Gaussian sphere in its plane xz, a point
// P with its normal N, the directions to the light source S and to the observer V (fixed on +z),
// and the angles i (N, S), e (N, V) and g (S, V) marked by arcs, labelled in DejaVu Sans. The
// captions of S and V are in the language of the help page that shows the figure.

#include <QImage>

enum class FigureLanguage { kRussian, kEnglish };

QImage DrawAnglesFigure(FigureLanguage language);
