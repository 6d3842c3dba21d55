#pragma once
// Where a second window goes beside the main window, and how a window that has grown is kept on
// the screen. Beside the main window: to its right where the screen's available area has room
// for its whole frame, else to its left, else below it, else above it; where none of these has
// room, against the edge of the area where it covers the least of the main window. In every
// case the frame lies wholly within the available area (as far as it is no larger than that
// area); beside the main window its top is level with the main window's where it can be, or its
// bottom at the bottom of the area.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

inline constexpr int kBesideGap = 8;  // pixels between the two frames

// Which height a window placed beside the main window takes.
enum class BesideRow {
  kLevel,   // its top level with the main window's
  kBottom,  // its bottom at the bottom of the available area (the map's window opens at the top)
};

// The top-left corner of the frame of a window whose frame measures `frame`, beside
// `mainFrame`, within `available` (all in the same screen coordinates).
QPoint FramePositionBeside(const QRect& mainFrame, const QSize& frame, const QRect& available,
                           BesideRow row = BesideRow::kLevel);

// The top-left corner of `frame` moved as little as keeps the frame within `available`;
// a frame larger than the area keeps its top-left corner within it.
QPoint FrameKeptWithin(const QRect& frame, const QRect& available);

// The top-left corner of `frame`, which has just grown by `grown` pixels on its right: kept
// within `available`; but where it then covers `mainFrame` and the same frame grown to the left
// instead would not, that one.
QPoint GrownFramePosition(const QRect& frame, int grown, const QRect& mainFrame,
                          const QRect& available);

// The frame's margins around the client area: what the window manager added, once it has framed
// the window; before that, `estimate` (the margins of a window already framed).
QMargins FrameMarginsOr(const QRect& frameGeometry, const QRect& geometry,
                        const QMargins& estimate);
