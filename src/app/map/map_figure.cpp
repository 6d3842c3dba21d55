#include "app/map/map_figure.h"

#include <QApplication>
#include <QEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>
#include <cmath>
#include <utility>

#include "app/picture/picture_box.h"
#include "figure/figure_frame.h"
#include "figure/linked_marks.h"
#include "figure/overlay_drawing.h"
#include "figure/whole_figure.h"

namespace {

constexpr int kWheelNotch = 120;        // QWheelEvent::angleDelta of one notch
constexpr double kZoomPerNotch = 1.25;  // the scale's factor for one notch of Ctrl+wheel

}  // namespace

MapFigure::MapFigure(PictureBox& picture, StateSource state, QObject* parent)
    : QObject(parent),
      picture_(picture),
      state_(std::move(state)),
      pointerTimer_(new QTimer(this)) {
  pointerTimer_->setSingleShot(true);
  pointerTimer_->setInterval(0);
  connect(pointerTimer_, &QTimer::timeout, this, &MapFigure::FindPointerMarks);
  connect(&picture_, &PictureBox::pointerMoved, this, &MapFigure::OnPointerMoved);
  connect(&picture_, &PictureBox::pointerLeft, this, &MapFigure::OnPointerLeft);
  picture_.installEventFilter(this);
  picture_.SetOverlay([this](QPainter& painter) { PaintOverlay(painter); });
}

GradientView MapFigure::View() const {
  return zoom_.ViewFor(picture_.size(), picture_.PixelRatio());
}

void MapFigure::ZoomAbout(QPointF pointer, double factor) {
  zoom_.ZoomAbout(pointer, picture_.size(), picture_.PixelRatio(), factor);
  emit ViewChanged();
}

void MapFigure::Reset() {
  zoom_.Reset();
  emit ViewChanged();
}

void MapFigure::SetZoom(double zoom, Gradient centre) {
  zoom_.Set(zoom, centre);
  emit ViewChanged();
}

void MapFigure::SetExtraSources(std::vector<UsedSource> extra, bool litByAll) {
  extra_ = std::move(extra);
  litByAll_ = litByAll;
  // Found for the sources before: they would be drawn in the new sources' colours.
  pointerMarks_.reset();
  Refresh();
}

std::vector<UsedSource> MapFigure::Sources() const {
  const RenderState* state = state_();
  if (state == nullptr) return {};
  std::vector<UsedSource> sources{{1, DescribedSource(*state)}};
  sources.insert(sources.end(), extra_.begin(), extra_.end());
  return sources;
}

void MapFigure::Refresh() {
  // The orientation under a pointer that has not moved may have changed with the view; its marks
  // follow once the new picture is shown, so that they never delay a live pass.
  if (pointer_ || pinned_) pointerTimer_->start();
  picture_.update();
}

bool MapFigure::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &picture_) return false;
  if (event->type() == QEvent::Resize) {
    emit ViewChanged();
    return false;
  }
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
    OnButton(*static_cast<QMouseEvent*>(event));
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

// A left click, the button released near where it went down (a drag shades live instead), pins
// the orientation there.
void MapFigure::OnButton(const QMouseEvent& event) {
  if (event.button() != Qt::LeftButton) return;
  const QPoint position = event.position().toPoint();
  if (event.type() == QEvent::MouseButtonPress) {
    pressedAt_ = position;
    return;
  }
  const bool click =
      pressedAt_ && (position - *pressedAt_).manhattanLength() < QApplication::startDragDistance();
  pressedAt_.reset();
  if (click && picture_.rect().contains(position) && state_() != nullptr) Pin(position);
}

void MapFigure::OnPointerMoved(QPoint position) {
  pointer_ = position;
  if (!pinned_) pointerTimer_->start();
}

// The pointer leaves the picture for the picture's own context menu as well: the marks stay while
// the menu is open, so that a map saved or copied from it shows them.
void MapFigure::OnPointerLeft() {
  if (QApplication::activePopupWidget() != nullptr) return;
  if (pinned_) {
    pointer_.reset();
    return;
  }
  pointer_.reset();
  pointerTimer_->stop();
  FindPointerMarks();
}

void MapFigure::Pin(QPoint position) {
  const QSize size = picture_.Image().size();
  const QPoint pixel = picture_.DevicePixelAt(position);
  pinned_ = GradientAtPixel(View(), size.width(), size.height(), pixel.x(), pixel.y());
  FindPointerMarks();
}

void MapFigure::PinGradient(Gradient gradient) {
  pinned_ = gradient;
  FindPointerMarks();
}

void MapFigure::Unpin() {
  if (!pinned_) return;
  pinned_.reset();
  emit PinMoved(std::nullopt);
  FindPointerMarks();
}

void MapFigure::FindPointerMarks() {
  const RenderState* state = state_();
  const std::optional<Gradient> before = pointed_;
  pointed_.reset();
  pointerMarks_.reset();
  const QSize size = picture_.Image().size();
  const GradientView view = View();
  if (pinned_) {
    pointed_ = pinned_;
  } else if (pointer_) {
    const QPoint pixel = picture_.DevicePixelAt(*pointer_);
    pointed_ = GradientAtPixel(view, size.width(), size.height(), pixel.x(), pixel.y());
  }
  if (state != nullptr && pointed_) {
    pointerMarks_ = FindIsophotesThrough(*state, AimsOf(Sources()), *pointed_, view, size.width(),
                                         size.height());
  }
  if (pinned_) {
    const QPointF at = LogicalPointOf(PixelOfGradient(view, size.width(), size.height(), *pinned_),
                                      picture_.PixelRatio());
    // The logical pixel holding the orientation's device pixel.
    const QPoint position(static_cast<int>(std::floor(at.x())),
                          static_cast<int>(std::floor(at.y())));
    emit PinMoved(picture_.rect().contains(position) && state != nullptr
                      ? std::optional<QPoint>(position)
                      : std::nullopt);
  }
  picture_.update();
  const bool same = before.has_value() == pointed_.has_value() &&
                    (!before || (before->p == pointed_->p && before->q == pointed_->q));
  if (!same) emit PointedChanged();
}

void MapFigure::SetMarkedGradient(std::optional<Gradient> gradient) {
  marked_ = gradient;
  picture_.update();
}

void MapFigure::SetRecoveredGradient(std::optional<Gradient> gradient) {
  recovered_ = gradient;
  picture_.update();
}

void MapFigure::SetContours(LevelContours contours, int lineWidth) {
  contours_ = std::move(contours);
  lineWidth_ = lineWidth;
}

void MapFigure::PaintOverlay(QPainter& painter) const {
  const FigureFrame frame{picture_.Image().size(),
                          picture_.PixelRatio(),
                          View(),
                          FigureFont(picture_.font()),
                          QLocale(),
                          lineWidth_};
  const FigureContent content{Sources(), litByAll_, pointerMarks_ ? &*pointerMarks_ : nullptr};
  DrawContourLines(painter, frame.ratio, contours_, frame.lineWidth);
  PaintFigure(painter, frame, content);
  if (state_() == nullptr) return;
  const QSize size = picture_.Image().size();
  if (marked_) {
    DrawGradientCross(painter, frame.ratio,
                      PixelOfGradient(frame.view, size.width(), size.height(), *marked_),
                      frame.lineWidth);
  }
  if (recovered_) {
    DrawNormalRing(painter, frame.ratio,
                   PixelOfGradient(frame.view, size.width(), size.height(), *recovered_),
                   frame.lineWidth);
  }
}
