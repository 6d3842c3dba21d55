#include "figure/figure_labels.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "figure/axis_ticks.h"
#include "figure/figure_style.h"

namespace {

// The pixel column (or row) holding a position; one on the boundary of two pixels takes the left
// (upper) one, as the map's axes always have.
double PixelHolding(double position) { return std::ceil(position) - 1.0; }

constexpr double kTickHalfLength = 3.0;
constexpr double kLabelGap = 4.0;         // between an axis and its numbers
constexpr double kBoxPadding = 2.0;       // around a text, inside its box
constexpr double kMinTickSpacing = 44.0;  // logical pixels between numbered ticks
constexpr double kEdge = 3.0;             // between a text box and the picture's edge
const QColor kBoxFill(255, 255, 255, 200);
const QColor kTextColour(0, 0, 0);

// The box a text of `size` takes when its box's `anchor` corner or edge lies at `at`: anchor
// given as fractions of the box (0 left/top, 0.5 centre, 1 right/bottom).
QRectF BoxAt(QPointF at, QSizeF size, double anchorX, double anchorY) {
  return {at.x() - anchorX * size.width(), at.y() - anchorY * size.height(), size.width(),
          size.height()};
}

class LabelWriter {
 public:
  LabelWriter(QPainter& painter, const FigureFrame& frame)
      : painter_(painter),
        metrics_(frame.font, painter.device()),
        area_(QPointF(0, 0), frame.LogicalSize()) {
    area_.adjust(kEdge, kEdge, -kEdge, -kEdge);
  }

  QSizeF SizeOf(const QString& text) const {
    return metrics_.size(Qt::TextSingleLine, text) +
           QSizeF(2 * kBoxPadding, 2 * kBoxPadding - metrics_.leading());
  }

  // Draws `text` in `box` unless the box leaves the picture or meets a text already drawn;
  // `slideX`, `slideY` move it within the picture along that direction instead.
  bool Write(const QString& text, QRectF box, bool slideX = true, bool slideY = true) {
    if (slideX) box.moveLeft(std::clamp(box.left(), area_.left(), area_.right() - box.width()));
    if (slideY) box.moveTop(std::clamp(box.top(), area_.top(), area_.bottom() - box.height()));
    if (!area_.contains(box)) return false;
    for (const QRectF& taken : placed_) {
      if (taken.intersects(box)) return false;
    }
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(kBoxFill);
    painter_.drawRoundedRect(box, 2, 2);
    painter_.setPen(kTextColour);
    painter_.drawText(box, Qt::AlignCenter, text);
    placed_.push_back(box);
    return true;
  }

  const std::vector<QRectF>& Placed() const { return placed_; }

 private:
  QPainter& painter_;
  QFontMetricsF metrics_;
  QRectF area_;
  std::vector<QRectF> placed_;
};

}  // namespace

QPointF FigureOrigin(const FigureFrame& frame) {
  return LogicalPointOf(
      PixelOfGradient(frame.view, frame.deviceSize.width(), frame.deviceSize.height(), Gradient{}),
      frame.ratio);
}

std::vector<SourceLabel> SourceLabels(const FigureFrame& frame,
                                      const std::vector<UsedSource>& sources) {
  // The described source is «S», as in the textbooks; the others carry their numbers.
  static const std::array<QString, kMaxLightSources> kNames{
      QStringLiteral("S"),  QStringLiteral("S₂"), QStringLiteral("S₃"), QStringLiteral("S₄"),
      QStringLiteral("S₅"), QStringLiteral("S₆"), QStringLiteral("S₇"), QStringLiteral("S₈")};
  std::vector<SourceLabel> labels;
  for (const UsedSource& source : sources) {
    if (const std::optional<Gradient> point = SourcePoint(source.aim)) {
      const PixelPoint at =
          PixelOfGradient(frame.view, frame.deviceSize.width(), frame.deviceSize.height(), *point);
      labels.push_back({LogicalPointOf(at, frame.ratio), kNames.at(SourceIndex(source))});
    }
  }
  return labels;
}

std::vector<QRectF> PaintFigureLabels(QPainter& painter, const FigureFrame& frame,
                                      const std::vector<SourceLabel>& sources) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setFont(frame.font);
  const double w = frame.LogicalSize().width();
  const double h = frame.LogicalSize().height();
  const QPointF origin = FigureOrigin(frame);
  // Whole logical pixels, so that the lines are sharp: the column and row holding the origin.
  const double axisX = PixelHolding(origin.x());
  const double axisY = PixelHolding(origin.y());
  const double unit = frame.view.pixelsPerUnit / frame.ratio;
  const double step = TickStep(unit, kMinTickSpacing);

  painter.setPen(Qt::NoPen);
  painter.setBrush(kAxisColour);
  painter.drawRect(QRectF(0, axisY, w, 1));
  painter.drawRect(QRectF(axisX, 0, 1, h));
  const std::vector<double> pTicks =
      TickValues((0 - origin.x()) / unit, (w - origin.x()) / unit, step);
  const std::vector<double> qTicks = TickValues((origin.y() - h) / unit, origin.y() / unit, step);
  for (const double p : pTicks) {
    const double x = PixelHolding(origin.x() + p * unit);
    painter.drawRect(QRectF(x, axisY - kTickHalfLength, 1, 2 * kTickHalfLength + 1));
  }
  for (const double q : qTicks) {
    const double y = PixelHolding(origin.y() - q * unit);
    painter.drawRect(QRectF(axisX - kTickHalfLength, y, 2 * kTickHalfLength + 1, 1));
  }

  LabelWriter writer(painter, frame);
  QFont letterFont = frame.font;
  letterFont.setItalic(true);
  letterFont.setBold(true);
  painter.setFont(letterFont);
  // The letters at the far ends of the axes, on the side away from the numbers.
  const QString p = QStringLiteral("p");
  const QString q = QStringLiteral("q");
  writer.Write(p, BoxAt(QPointF(w - kEdge, axisY - kLabelGap), writer.SizeOf(p) * 1.1, 1, 1));
  writer.Write(q, BoxAt(QPointF(axisX + kLabelGap + 1, kEdge), writer.SizeOf(q) * 1.1, 0, 0));
  painter.setFont(frame.font);
  const QString conventions = QStringLiteral("N = (\u2212p, \u2212q, 1)");
  writer.Write(conventions, BoxAt(QPointF(kEdge, h - kEdge), writer.SizeOf(conventions), 0, 1));
  for (const SourceLabel& source : sources) {
    writer.Write(source.text, BoxAt(source.at + QPointF(kLabelGap + 2, -kLabelGap - 2),
                                    writer.SizeOf(source.text), 0, 1));
  }
  // Numbers below the p axis and left of the q axis; on the other side where the axis runs
  // along the picture's bottom or left edge, and along the edge where it lies outside.
  for (const double value : pTicks) {
    if (value == 0.0) continue;
    const QString text = TickText(value, step, frame.locale);
    const QPointF at(PixelHolding(origin.x() + value * unit) + 0.5,
                     axisY + kTickHalfLength + kLabelGap);
    writer.Write(text, BoxAt(at, writer.SizeOf(text), 0.5, 0), false, true);
  }
  for (const double value : qTicks) {
    if (value == 0.0) continue;
    const QString text = TickText(value, step, frame.locale);
    const QPointF at(axisX - kTickHalfLength - kLabelGap,
                     PixelHolding(origin.y() - value * unit) + 0.5);
    writer.Write(text, BoxAt(at, writer.SizeOf(text), 1, 0.5), true, false);
  }
  const QString zero = TickText(0.0, step, frame.locale);
  writer.Write(zero,
               BoxAt(QPointF(axisX - kLabelGap, axisY + kLabelGap), writer.SizeOf(zero), 1, 0),
               false, false);
  painter.restore();
  return writer.Placed();
}
