#include "angles_figure.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <cmath>

#include "model/angles.h"

namespace {

constexpr int kFigureWidth = 440;
constexpr int kFigureHeight = 380;
const QPointF kCentre(180.0, 250.0);  // O, the sphere's centre
constexpr double kRadius = 115.0;
constexpr double kNormalLength = 95.0;      // N beyond the surface
constexpr double kDirectionLength = 130.0;  // S and V from P
// Directions measured from +z (up), positive towards +x (right), in degrees.
constexpr double kNormalFromZ = 38.0;
constexpr double kSourceFromZ = -24.0;
constexpr double kObserverFromZ = 0.0;
constexpr double kIncidenceLabelFromZ = 22.0;  // clear of V, which the arc of i crosses
constexpr double kSmallArc = 42.0;             // e and g
constexpr double kLargeArc = 64.0;             // i
const QString kFamily = QStringLiteral("DejaVu Sans");

const QColor kSphereEdge(90, 90, 90);
const QColor kAxisGrey(150, 150, 150);
const QColor kNormalColour(20, 20, 20);
const QColor kSourceColour(215, 120, 0);
const QColor kObserverColour(0, 90, 200);
const QColor kIncidenceColour(200, 0, 0);
const QColor kEmissionColour(0, 90, 200);
const QColor kPhaseColour(0, 140, 0);

// The unit vector on screen (y downwards) of a direction given by its angle from +z.
QPointF Direction(double degreesFromZ) {
  const double a = degreesFromZ * kPi / kDegreesPerHalfTurn;
  return {std::sin(a), -std::cos(a)};
}

QFont LabelFont(int pixelSize, bool italic) {
  QFont font(kFamily);
  font.setPixelSize(pixelSize);
  font.setItalic(italic);
  return font;
}

void DrawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, double width) {
  painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(from, to);
  const QPointF along = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
  const QPointF across(-along.y(), along.x());
  constexpr double kHeadLength = 12.0;
  constexpr double kHeadHalfWidth = 5.0;
  QPainterPath head;
  head.moveTo(to);
  head.lineTo(to - along * kHeadLength + across * kHeadHalfWidth);
  head.lineTo(to - along * kHeadLength - across * kHeadHalfWidth);
  head.closeSubpath();
  painter.fillPath(head, colour);
}

// An arc about `at` from one direction to another (angles from +z), with its label just beyond
// the arc, in the direction labelFromZ.
void DrawAngle(QPainter& painter, QPointF at, double fromZ, double toZ, double radius,
               const QColor& colour, const QString& label, double labelFromZ) {
  painter.setPen(QPen(colour, 2.0));
  const QRectF box(at.x() - radius, at.y() - radius, 2.0 * radius, 2.0 * radius);
  // Qt counts arcs from 3 o'clock, counter-clockwise, in 1/16 degree; +z is 90 there.
  constexpr int kSixteenths = 16;
  const double start = 90.0 - fromZ;
  const double span = fromZ - toZ;
  painter.drawArc(box, static_cast<int>(std::lround(start * kSixteenths)),
                  static_cast<int>(std::lround(span * kSixteenths)));
  constexpr double kLabelGap = 13.0;
  const QPointF middle = at + Direction(labelFromZ) * (radius + kLabelGap);
  painter.setFont(LabelFont(17, true));
  painter.drawText(QRectF(middle.x() - 12.0, middle.y() - 12.0, 24.0, 24.0), Qt::AlignCenter,
                   label);
}

void DrawText(QPainter& painter, QPointF at, const QString& text, const QColor& colour,
              int pixelSize, bool italic) {
  painter.setPen(colour);
  painter.setFont(LabelFont(pixelSize, italic));
  painter.drawText(at, text);
}

void DrawSphere(QPainter& painter) {
  QRadialGradient shade(kCentre + QPointF(-35.0, -45.0), kRadius * 1.4);
  shade.setColorAt(0.0, QColor(250, 250, 250));
  shade.setColorAt(1.0, QColor(185, 185, 185));
  painter.setBrush(shade);
  painter.setPen(QPen(kSphereEdge, 1.5));
  painter.drawEllipse(kCentre, kRadius, kRadius);
  painter.setBrush(Qt::NoBrush);
  // The equator seen slightly from above, and the axes Ox and Oz.
  painter.setPen(QPen(kAxisGrey, 1.0, Qt::DashLine));
  painter.drawEllipse(kCentre, kRadius, kRadius * 0.28);
  DrawArrow(painter, kCentre, kCentre + QPointF(kRadius + 45.0, 0.0), kAxisGrey, 1.0);
  DrawArrow(painter, kCentre + QPointF(0.0, kRadius * 0.5), kCentre + QPointF(0.0, -kRadius - 30.0),
            kAxisGrey, 1.0);
  DrawText(painter, kCentre + QPointF(kRadius + 38.0, 18.0), QStringLiteral("x"), kAxisGrey, 15,
           true);
  DrawText(painter, kCentre + QPointF(-16.0, -kRadius - 16.0), QStringLiteral("z"), kAxisGrey, 15,
           true);
  DrawText(painter, kCentre + QPointF(-16.0, 18.0), QStringLiteral("O"), kAxisGrey, 15, false);
}

}  // namespace

QImage DrawAnglesFigure(FigureLanguage language) {
  const bool english = language == FigureLanguage::kEnglish;
  QImage image(kFigureWidth, kFigureHeight, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawSphere(painter);

  const QPointF p = kCentre + Direction(kNormalFromZ) * kRadius;
  painter.setPen(QPen(kSphereEdge, 1.0, Qt::DotLine));
  painter.drawLine(kCentre, p);  // the radius OP: the normal is the point itself

  DrawAngle(painter, p, kNormalFromZ, kSourceFromZ, kLargeArc, kIncidenceColour,
            QStringLiteral("i"), kIncidenceLabelFromZ);
  DrawAngle(painter, p, kNormalFromZ, kObserverFromZ, kSmallArc, kEmissionColour,
            QStringLiteral("e"), (kNormalFromZ + kObserverFromZ) / 2.0);
  DrawAngle(painter, p, kObserverFromZ, kSourceFromZ, kSmallArc, kPhaseColour, QStringLiteral("g"),
            (kObserverFromZ + kSourceFromZ) / 2.0);

  const QPointF nTip = p + Direction(kNormalFromZ) * kNormalLength;
  const QPointF sTip = p + Direction(kSourceFromZ) * kDirectionLength;
  const QPointF vTip = p + Direction(kObserverFromZ) * kDirectionLength;
  DrawArrow(painter, p, nTip, kNormalColour, 2.5);
  DrawArrow(painter, p, sTip, kSourceColour, 2.5);
  DrawArrow(painter, p, vTip, kObserverColour, 2.5);

  painter.setBrush(kNormalColour);
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(p, 4.0, 4.0);
  painter.setBrush(Qt::NoBrush);

  DrawText(painter, p + QPointF(8.0, 20.0), QStringLiteral("P"), kNormalColour, 18, true);
  DrawText(painter, nTip + QPointF(6.0, 4.0), QStringLiteral("N"), kNormalColour, 18, true);
  // The source's label ends left of its arrow, clear of V.
  constexpr double kLabelBox = 160.0;
  painter.setPen(kSourceColour);
  painter.setFont(LabelFont(15, false));
  painter.drawText(QRectF(sTip.x() - kLabelBox - 6.0, sTip.y() - 8.0, kLabelBox, 20.0),
                   Qt::AlignRight | Qt::AlignVCenter,
                   english ? QStringLiteral("S — source") : QStringLiteral("S — источник"));
  DrawText(painter, vTip + QPointF(8.0, 6.0),
           english ? QStringLiteral("V — observer") : QStringLiteral("V — наблюдатель"),
           kObserverColour, 15, false);
  return image;
}
