#pragma once
// The program's two kinds of curve as plots, for the window and the renderer alike: a phase
// curve beside the closed forms of the Lambert and Lommel-Seeliger spheres (in brightness, or in
// magnitudes -2.5 lg Phi growing downwards, the axis spanning the curves up to g = 150 degrees),
// and a profile (phi, the painted value and the extra sources' phi against the distance along
// the line). Their texts are in the application's language: marked here under the context
// "CurvePlots" and translated by whatever translator the program has installed, the law names as
// the window's (context "CoreTexts").

#include <cstdint>
#include <vector>

#include "curves/phase_curve.h"
#include "curves/profile.h"
#include "plots/curve_chart.h"

// In magnitudes the y axis spans what the curves reach up to this phase angle (degrees).
inline constexpr double kMagnitudeRangeEnd = 150.0;

// The name of function `kind` in the application's language.
QString PlottedFunctionName(int32_t kind);

CurvePlot PhaseCurvePlot(const PhaseCurve& curve, int32_t kind, bool magnitudes);

// The law's phase curve at several values of one of its parameters, each labelled («k = 0.5»)
// in the colours compared curves take, beside the two closed forms.
CurvePlot PhaseCurvesPlot(const std::vector<PhaseCurve>& curves, const std::vector<QString>& labels,
                          int32_t kind, bool magnitudes);

// The colour of the k-th of several compared curves (six, then again).
QColor ComparedColour(size_t k);

CurvePlot ProfilePlot(const std::vector<ProfileSample>& samples);

// The profile along the photometric equator (curves/photometric_equator.h): phi and the painted
// value against the signed emission angle, the axis from -90 to 90 degrees in steps of 30 (wider,
// to nice numbers, where the view shows the far side).
CurvePlot EquatorProfilePlot(const std::vector<ProfileSample>& samples);

// The title of several entries' phase curves or profiles in one plot.
QString ComparedCurvesTitle(bool phaseCurves);
