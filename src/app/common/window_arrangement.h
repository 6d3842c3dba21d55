#pragma once
// «Окна» → «Расположить рядом»: the open windows tiled on one screen for a projector. The main
// window (the first, which keeps its size) goes to the top-left corner of the available area;
// the others share the area to its right and the area below it (one of the two as long as the
// screen), each area a grid of equal cells kBesideGap apart: of every way of sharing them out in
// which each window gets its least size, the one whose smallest cell is largest. No two frames
// overlap and every frame lies within the available area; where that cannot be, nothing is
// arranged.
//
//   each window's least and greatest size and frame margins + the available area -> client rects

#include <QMargins>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

struct ArrangedWindow {
  QSize minimum;   // the client area's least size
  QSize maximum;   // and its greatest (QWIDGETSIZE_MAX where it may grow freely)
  QMargins frame;  // what the window manager draws around the client area
};

// The client area of each window in order (the first the main window's, at its least size), or
// none when they do not fit side by side within `available`.
std::optional<std::vector<QRect>> ArrangeSideBySide(const std::vector<ArrangedWindow>& windows,
                                                    const QRect& available);

// A window's client area as a setup kept it: where it shows at least kGraspableSide pixels both
// ways on one of the `screens` (their available areas), as it was; else, off every screen, on
// `mainScreen`, no larger than it and moved as little as keeps it within.
inline constexpr int kGraspableSide = 80;
QRect KeptPlaceOnScreens(const QRect& place, const std::vector<QRect>& screens,
                         const QRect& mainScreen);
