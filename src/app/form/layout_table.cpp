#include "app/form/layout_table.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "app/form/layout_fonts.h"
#include "model/startup_values.h"

namespace {

using K = ControlKind;

constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kCentredBox = Qt::AlignHCenter | Qt::AlignVCenter;

constexpr LayoutFontSpec kLegendFont{kLegendFontFamily, 8.25};
constexpr LayoutFontSpec kDegreeFont{kWindowFontFamily, 12.0};
constexpr LayoutFontSpec kMediumFont{kWindowFontFamily, 9.75};

constexpr LayoutColour kLightBorder = Bgr(0x808080);
constexpr LayoutColour kDarkBorder = Bgr(0x404040);

constexpr const char* kLegendLabel = QT_TRANSLATE_NOOP("Form1", "ф (i,e,g) =");

// Legend rows: row r at 840 + 360 r twips; columns swatch, label, level, "±" label, half-width.
constexpr int kRowTop0 = 840;
constexpr int kRowStep = 360;
constexpr int RowTop(int row) { return kRowTop0 + kRowStep * row; }

// The table below is laid out by hand, one control to a row or two.
// clang-format off
// The five controls of a legend row; all but the swatch use the legend font.
constexpr std::array<ControlSpec, 5> LegendRow(int row, int plusMinusIndex, LayoutColour border,
                                               int labelWidth, int labelHeight) {
  const int index = LegendControlIndex(row);
  return {{
      {.name = "Shape1", .index = index, .kind = K::kShape, .left = 6600, .top = RowTop(row),
       .width = 255, .height = 255, .fill = Bgr(kSwatchColours[row]), .border = border},
      {.name = "Label1", .index = index, .kind = K::kLabel, .left = 6960, .top = RowTop(row),
       .width = labelWidth, .height = labelHeight, .text = kLegendLabel, .font = kLegendFont},
      {.name = "Text8", .index = index, .kind = K::kTextBox, .left = 7800, .top = RowTop(row),
       .width = 495, .height = 285, .alignment = kCentredBox, .font = kLegendFont},
      {.name = "Label2", .index = plusMinusIndex, .kind = K::kLabel, .left = 8280,
       .top = RowTop(row), .width = 375, .height = 255, .alignment = kCentred, .font = kLegendFont},
      {.name = "Text7", .index = index, .kind = K::kTextBox, .left = 8640, .top = RowTop(row),
       .width = 615, .height = 285, .alignment = kCentredBox, .font = kLegendFont},
  }};
}

template <std::size_t... N>
constexpr auto Concat(const std::array<ControlSpec, N>&... parts) {
  std::array<ControlSpec, (N + ...)> all{};
  std::size_t at = 0;
  ((std::copy(parts.begin(), parts.end(), all.begin() + at), at += N), ...);
  return all;
}

constexpr auto kPictureArea = std::to_array<ControlSpec>({
    // Picture area.
    {.name = "Shape1", .index = 0, .kind = K::kShape, .left = 120, .top = 0, .width = 6135,
     .height = 5295, .fill = SystemColour(QPalette::Dark), .border = kDarkBorder,
     .borderPixels = 3},
    {.name = "Picture1", .kind = K::kPictureBox, .left = 240, .top = 120,
     .width = kDefaultPictureWidth * kTwipsPerPixel,
     .height = kDefaultPictureHeight * kTwipsPerPixel, .fill = Bgr(0xFFFFFF)},
    {.name = "Label6", .kind = K::kLabel, .left = 0, .top = 0, .width = 5895, .height = 255,
     .text = QT_TRANSLATE_NOOP("Form1", "НАБЛЮДАТЕЛЬ"), .alignment = kCentred, .visible = false, .container = "Picture1"},
    {.name = "Line1", .kind = K::kArrowLine, .left = 2880, .top = 240, .x2 = 2880, .y2 = 1440,
     .visible = false, .container = "Picture1"},
    {.name = "Line2", .kind = K::kArrowLine, .left = 2970, .top = 480, .x2 = 2880, .y2 = 240,
     .visible = false, .container = "Picture1"},
    {.name = "Line3", .kind = K::kArrowLine, .left = 2790, .top = 480, .x2 = 2880, .y2 = 240,
     .visible = false, .container = "Picture1"},
});

constexpr auto kRotationAndSource = std::to_array<ControlSpec>({
    // Observer rotation and light source.
    {.name = "Label1", .index = 0, .kind = K::kLabel, .left = 0, .top = 5520, .width = 1335,
     .height = 615, .text = QT_TRANSLATE_NOOP("Form1", "Поворот наблюдения по Ox"), .alignment = kCentred, .wrap = true},
    {.name = "Image1", .kind = K::kImage, .left = 1560, .top = 5400, .width = 300, .height = 300,
     .picture = ":/images/axis_x.bmp"},
    {.name = "Label2", .index = 0, .kind = K::kLabel, .left = 2040, .top = 5760, .width = 1215,
     .height = 255, .text = QT_TRANSLATE_NOOP("Form1", "°           по Оy")},
    {.name = "Text1", .kind = K::kTextBox, .left = 1320, .top = 5760, .width = 735, .height = 285,
     .text = kStartupRotXText, .alignment = kRight},
    {.name = "Image2", .kind = K::kImage, .left = 3435, .top = 5400, .width = 300, .height = 300,
     .picture = ":/images/axis_y.bmp"},
    {.name = "Label2", .index = 1, .kind = K::kLabel, .left = 3960, .top = 5760, .width = 1095,
     .height = 255, .text = QT_TRANSLATE_NOOP("Form1", "°          по Оz")},
    {.name = "Text2", .kind = K::kTextBox, .left = 3240, .top = 5760, .width = 735, .height = 285,
     .text = kStartupRotYText, .alignment = kRight},
    {.name = "Image3", .kind = K::kImage, .left = 5250, .top = 5400, .width = 300, .height = 300,
     .picture = ":/images/axis_z.bmp"},
    {.name = "Text3", .index = 0, .kind = K::kTextBox, .left = 5040, .top = 5760, .width = 735,
     .height = 285, .text = kStartupRotZText, .alignment = kRight},
    {.name = "Label2", .index = 2, .kind = K::kLabel, .left = 5760, .top = 5760, .width = 255,
     .height = 255, .text = "°", .font = kDegreeFont},
    {.name = "Label3", .kind = K::kLabel, .left = 0, .top = 6240, .width = 1815, .height = 255,
     .text = QT_TRANSLATE_NOOP("Form1", "Наклон источника")},
    {.name = "Text4", .index = 0, .kind = K::kTextBox, .left = 1920, .top = 6240, .width = 735,
     .height = 285, .text = kStartupSlantText, .alignment = kRight},
    {.name = "Label2", .index = 3, .kind = K::kLabel, .left = 2640, .top = 6240, .width = 255,
     .height = 255, .text = "°", .font = kDegreeFont},
    {.name = "Image4", .kind = K::kImage, .left = 2160, .top = 6600, .width = 375, .height = 375},
});

constexpr auto kReflectanceFunction = std::to_array<ControlSpec>({
    // Reflectance function.
    {.name = "Option1", .kind = K::kOptionButton, .left = 3360, .top = 6240, .width = 6855,
     .height = 255, .text = QT_TRANSLATE_NOOP("Form1", "Матовая  функция отражательной способности ф = cos( i )"),
     .checked = true},
    {.name = "Option2", .kind = K::kOptionButton, .left = 3360, .top = 6600, .width = 1575,
     .height = 255, .text = QT_TRANSLATE_NOOP("Form1", "Глянцевая     s=")},
    {.name = "Text5", .kind = K::kTextBox, .left = 4920, .top = 6600, .width = 615, .height = 285,
     .visible = false},
    {.name = "Label4", .kind = K::kLabel, .left = 5640, .top = 6600, .width = 375, .height = 315,
     .text = "n =", .font = kMediumFont, .visible = false},
    {.name = "Text6", .kind = K::kTextBox, .left = 6000, .top = 6600, .width = 615, .height = 285,
     .text = kStartupGlossNText, .visible = false},
    {.name = "Image5", .kind = K::kImage, .left = 6840, .top = 6495, .width = 3675, .height = 435,
     .picture = ":/images/glossy_formula.png"},
    {.name = "Image6", .kind = K::kImage, .left = 4920, .top = 6495, .width = 3675, .height = 435},
    {.name = "Option4", .kind = K::kOptionButton, .left = 3360, .top = 6960, .width = 4455,
     .height = 255, .text = QT_TRANSLATE_NOOP("Form1", "Зеркальная: ф = 1 только когда i = e и g = i + e")},
    {.name = "Option3", .kind = K::kOptionButton, .left = 3360, .top = 7320, .width = 5775,
     .height = 255, .text = QT_TRANSLATE_NOOP("Form1", "Каменистая ф = cos( i ) / cos(e). Заметна при наклонном освещении.")},
});

constexpr auto kColourSwitch = std::to_array<ControlSpec>({
    {.name = "Check3", .kind = K::kCheckBox, .left = 6600, .top = 240, .width = 2895, .height = 375,
     .text = QT_TRANSLATE_NOOP("Form1", "ОТОБРАЖАТЬ  ИЗОЛИНИИ ОСВЕЩЁННОСТИ В ЦВЕТЕ"), .wrap = true, .checked = true},
});

// Under the legend: the etched separator, the self-shadowing swatch, the shade button and the
// two other switches.
constexpr auto kBelowLegend = std::to_array<ControlSpec>({
    {.name = "Line7", .kind = K::kLine, .left = 9360, .top = 3450, .x2 = 6600, .y2 = 3450,
     .fill = SystemColour(QPalette::Dark), .borderPixels = 2},
    {.name = "Line6", .kind = K::kLine, .left = 6600, .top = 3480, .x2 = 9360, .y2 = 3480,
     .fill = SystemColour(QPalette::HighlightedText), .borderPixels = 2},
    {.name = "Shape2", .kind = K::kShape, .left = 6600, .top = 3720, .width = 255, .height = 255,
     .fill = Bgr(0x340060), .border = Bgr(0xDC00DC)},
    {.name = "Label9", .kind = K::kLabel, .left = 6960, .top = 3600, .width = 2415, .height = 735,
     .text = QT_TRANSLATE_NOOP("Form1", "В этой зоне поверхность становится самозатеняющейся"), .wrap = true,
     .font = kLegendFont},
    {.name = "Command1", .kind = K::kCommandButton, .left = 6480, .top = 4680, .width = 1575,
     .height = 375, .text = QT_TRANSLATE_NOOP("Form1", "Тонировать"), .font = kMediumFont},
    {.name = "Check1", .kind = K::kCheckBox, .left = 6480, .top = 5160, .width = 1575,
     .height = 255, .text = QT_TRANSLATE_NOOP("Form1", "Половину шара"), .checked = true},
    {.name = "Check2", .kind = K::kCheckBox, .left = 6480, .top = 5520, .width = 2775,
     .height = 255, .text = QT_TRANSLATE_NOOP("Form1", "Сглаживание 2x2 субпикселя")},
});

constexpr auto kBottomLeft = std::to_array<ControlSpec>({
    // Bottom left. The frame carries no caption: the program names itself in the window's.
    {.name = "Frame1", .kind = K::kFrame, .left = 0, .top = 7080, .width = 2895, .height = 495},
    {.name = "Label5", .kind = K::kLabel, .left = 120, .top = 240, .width = 2655, .height = 255,
     .text = QT_TRANSLATE_NOOP("Form1", "Версия 1.1 от 09.I.2014 года"), .alignment = kCentred, .container = "Frame1"},
});

// Listed back to front: a later control is drawn over an earlier one.
constexpr auto kControls =
    Concat(kPictureArea, kRotationAndSource, kReflectanceFunction,
           kColourSwitch,  //
           LegendRow(0, 10, kLightBorder, 1095, 255), LegendRow(1, 9, kLightBorder, 1095, 255),
           LegendRow(2, 8, kLightBorder, 1095, 255), LegendRow(3, 7, kDarkBorder, 1095, 255),
           LegendRow(4, 4, kDarkBorder, 1095, 255), LegendRow(5, 5, kDarkBorder, 780, 195),
           LegendRow(6, 6, kDarkBorder, 1095, 255),  //
           kBelowLegend, kBottomLeft);

// The legend is walked top to bottom, each row's level before its half-width, and then the
// colour switch above it.
constexpr ControlName kTabOrder[] = {
    {"Picture1"}, {"Command1"}, {"Text1"},    {"Text2"},    {"Text3", 0}, {"Text4", 0},
    {"Check1"},   {"Option1"},  {"Option2"},  {"Option3"},  {"Text5"},    {"Text6"},
    {"Text8", 7}, {"Text7", 7}, {"Text8", 1}, {"Text7", 1}, {"Text8", 2}, {"Text7", 2},
    {"Text8", 3}, {"Text7", 3}, {"Text8", 4}, {"Text7", 4}, {"Text8", 5}, {"Text7", 5},
    {"Text8", 6}, {"Text7", 6}, {"Check3"},   {"Option4"},  {"Check2"},
};

// clang-format on

}  // namespace

std::span<const ControlSpec> WindowControls() { return kControls; }

std::span<const ControlName> TabOrder() { return kTabOrder; }

QString ControlObjectName(const char* name, int index) {
  QString objectName = QString::fromUtf8(name);
  if (index != kNoIndex) objectName += QLatin1Char('_') + QString::number(index);
  return objectName;
}

int TwipsToPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QColor ColourFromBgr(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFFU), static_cast<int>((bgr >> 8) & 0xFFU),
                static_cast<int>((bgr >> 16) & 0xFFU));
}

QColor ResolveColour(const LayoutColour& colour, const QPalette& palette) {
  switch (colour.source) {
    case LayoutColour::Source::kValue:
      return ColourFromBgr(colour.bgr);
    case LayoutColour::Source::kSystem:
      return palette.color(colour.role);
    case LayoutColour::Source::kNone:
      break;
  }
  return QColor();
}
