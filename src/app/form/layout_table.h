#pragma once
// The window's layout as data: every control with its kind, name, index, place and size in twips,
// text, alignment, font, colours, visibility and container. The control factory turns each row
// into a widget at 15 twips per pixel; the window finds its controls again by object name
// ("Text8_7" for element 7 of the array Text8, "Command1" for a single control).

#include <QColor>
#include <QPalette>
#include <QString>
#include <array>
#include <cstdint>
#include <span>

#include "model/legend_colours.h"

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 10695;  // 713 pixels
inline constexpr int kClientHeightTwips = 7575;  // 505 pixels
inline constexpr const char* kWindowCaption =
    QT_TRANSLATE_NOOP("Form1", "Тревелум на сфере Гаусса");
inline constexpr const char* kWindowIcon = ":/images/icon.png";
inline constexpr int kNoIndex = -1;  // a single control, not an element of a control array

enum class ControlKind {
  kShape,       // rectangle: border colour and width, solid fill
  kPictureBox,  // the picture the shading pass paints
  kLabel,
  kImage,  // a picture shown unscaled
  kTextBox,
  kOptionButton,  // all option buttons form one exclusive group
  kCheckBox,
  kCommandButton,
  kLine,       // a straight line of the window (the etched separator)
  kArrowLine,  // a line of the observer arrow, drawn by the picture box over its picture
  kFrame,
};

// A colour of the layout: none, a fixed value written 0xBBGGRR, or a colour of the desktop theme.
struct LayoutColour {
  enum class Source { kNone, kValue, kSystem };
  Source source = Source::kNone;
  uint32_t bgr = 0;
  QPalette::ColorRole role = QPalette::NoRole;
};

constexpr LayoutColour Bgr(uint32_t bgr) {
  return {LayoutColour::Source::kValue, bgr, QPalette::NoRole};
}
constexpr LayoutColour SystemColour(QPalette::ColorRole role) {
  return {LayoutColour::Source::kSystem, 0, role};
}

// 0xBBGGRR as a colour: red in the low byte, blue in the high byte.
QColor ColourFromBgr(uint32_t bgr);
QColor ResolveColour(const LayoutColour& colour, const QPalette& palette);

struct LayoutFontSpec {
  const char* family = nullptr;  // nullptr: the window's default font
  double points = 0.0;
};

struct ControlSpec {
  const char* name = "";
  int index = kNoIndex;
  ControlKind kind = ControlKind::kLabel;
  // Twips from the top-left corner of the container. Lines run from (left, top) to (x2, y2).
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int x2 = 0;
  int y2 = 0;
  const char* text = "";
  const char* picture = nullptr;  // resource path of an image's picture
  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
  bool wrap = false;  // the caption is wrapped over the control's height
  LayoutFontSpec font{};
  LayoutColour fill{};
  LayoutColour border{};
  int borderPixels = 1;  // shapes: border width; lines: line width
  bool visible = true;
  bool checked = false;             // check boxes and option buttons
  const char* container = nullptr;  // nullptr: the window's client area
};

// The legend's row r shows element r of the isoline arrays; its controls carry index 7 for the
// top row and r for the others.
constexpr int LegendControlIndex(int row) { return row == 0 ? 7 : row; }

struct ControlName {
  const char* name;
  int index = kNoIndex;
};

std::span<const ControlSpec> WindowControls();
// Keyboard focus order of the controls that take the focus.
std::span<const ControlName> TabOrder();

// "Text8_7" for element 7 of Text8, "Command1" for a single control.
QString ControlObjectName(const char* name, int index);
int TwipsToPixels(int twips);
