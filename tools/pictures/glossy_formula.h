#pragma once
// The glossy reflectance function set as a formula, 245x29 pixels on a transparent ground:
// s(n+1)(2cos i·cos e − cos g)^n over 2, then + (1 − s)·cos i. The only picture that uses a font.

#include <QImage>

QImage DrawGlossyFormula();
