#include "app/map/map_figure.h"

#include <QEvent>
#include <QLocale>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "app/map/figure_labels.h"
#include "app/picture_box.h"

namespace {

constexpr int kWheelNotch = 120;        // QWheelEvent::angleDelta of one notch
constexpr double kZoomPerNotch = 1.25;  // the scale's factor for one notch of Ctrl+wheel

}  // namespace

MapFigure::MapFigure(PictureBox& picture, QObject* parent) : QObject(parent), picture_(picture) {
  picture_.installEventFilter(this);
  picture_.SetOverlay([this](QPainter& painter) { PaintOverlay(painter); });
}

GradientView MapFigure::View() const {
  return zoom_.ViewFor(picture_.size(), picture_.PixelRatio());
}

void MapFigure::ZoomAbout(QPointF pointer, double factor) {
  zoom_.ZoomAbout(pointer, picture_.size(), picture_.PixelRatio(), factor);
  emit viewChanged();
}

void MapFigure::Reset() {
  zoom_.Reset();
  emit viewChanged();
}

bool MapFigure::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &picture_) return false;
  if (event->type() == QEvent::Resize) {
    emit viewChanged();
    return false;
  }
  if (event->type() != QEvent::Wheel) return false;
  auto* wheel = static_cast<QWheelEvent*>(event);
  if (!wheel->modifiers().testFlag(Qt::ControlModifier)) return false;
  wheelRemainder_ += wheel->angleDelta().y();
  const int notches = wheelRemainder_ / kWheelNotch;
  wheelRemainder_ -= notches * kWheelNotch;
  if (notches != 0) ZoomAbout(wheel->position(), std::pow(kZoomPerNotch, notches));
  return true;
}

void MapFigure::PaintOverlay(QPainter& painter) const {
  const FigureFrame frame{picture_.size(), picture_.PixelRatio(), View(),
                          FigureFont(picture_.font()), QLocale()};
  PaintFigureLabels(painter, frame, std::nullopt);
}
