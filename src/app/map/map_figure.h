#pragma once
// The map's picture as a figure: how it frames gradient space (MapZoom: the scale grows with the
// picture; Ctrl+wheel zooms about the pointer, Ctrl+0 returns to the default) and what is drawn
// over the core's colours, by src/figure as the renderer draws it (whole_figure.h): the hatch,
// the sources' marks, the axes and text, then the isophotes through the orientation under the
// pointer and their crossings. The colours are the core's pass, painted by the window into the
// PictureBox's image; the figure is the picture's overlay, so that what is shown, saved and
// copied is one picture.
//
//   wheel, Ctrl+0, resize -> MapZoom -> ViewChanged -> the window repaints the colours, Refresh
//   pass, sources         -> Refresh -> the overlay is drawn again
//   pointer on the map    -> the pointer marks found (at most once an event loop turn)
//   click on the map      -> the orientation there pinned: its marks stay (Esc unpins)
//   PictureBox overlay    -> PaintFigure with the sources and the pointer marks, then the cross
//                            of an orientation marked from a surface's image and the ring of one
//                            recovered from images

#include <QObject>
#include <QPointF>
#include <functional>
#include <optional>
#include <vector>

#include "app/map/map_zoom.h"
#include "figure/used_source.h"
#include "gradient/gradient_view.h"
#include "gradient/isophotes_through.h"
#include "model/render_state.h"
#include "overlay/overlay_marks.h"

class PictureBox;
class QMouseEvent;
class QPainter;
class QTimer;

class MapFigure final : public QObject {
  Q_OBJECT
 public:
  // The state the map shows; nullptr while it shows none.
  using StateSource = std::function<const RenderState*()>;

  MapFigure(PictureBox& picture, StateSource state, QObject* parent);

  // The core's view of the picture as it now is (device pixels).
  GradientView View() const;
  const MapZoom& Zoom() const { return zoom_; }

  // Zooms by `factor` about `pointer` (logical pixels of the picture); Reset returns to the
  // default view. Both send ViewChanged.
  void ZoomAbout(QPointF pointer, double factor);
  void Reset();
  // The zoom and centre a setup names; sends ViewChanged.
  void SetZoom(double zoom, Gradient centre);

  // The sources beside the described one (at most two), and whether the region of the map they
  // all light is hatched.
  void SetExtraSources(std::vector<UsedSource> extra, bool litByAll);
  // The described source of the state shown, then the extra ones; none before a pass.
  std::vector<UsedSource> Sources() const;
  // The contour lines of the pass shown and the width of every line drawn.
  void SetContours(LevelContours contours, int lineWidth);
  // Draws the figure again for the state shown, the view and the sources.
  void Refresh();

  // Pins the orientation under `position` (logical pixels of the picture): its marks stay,
  // wherever the pointer goes, until Unpin or the next pin. A click on the map pins.
  void Pin(QPoint position);
  // Pins `gradient` itself (the true orientation of a cell chosen in «Восстановление формы»).
  void PinGradient(Gradient gradient);
  void Unpin();
  const std::optional<Gradient>& PinnedOrientation() const { return pinned_; }

  // The orientation under the pointer, while it rests on the map of a pass, or the one pinned.
  const std::optional<Gradient>& Pointed() const { return pointed_; }
  // The isophotes and crossings through it, one isophote for each of Sources() in order.
  const std::optional<IsophotesThrough>& PointerMarks() const { return pointerMarks_; }

  // An orientation marked from elsewhere (the cell under the pointer on a surface's image),
  // drawn as a cross; none hides it.
  void SetMarkedGradient(std::optional<Gradient> gradient);
  const std::optional<Gradient>& MarkedGradient() const { return marked_; }
  // An orientation recovered from images, drawn as a ring; none hides it.
  void SetRecoveredGradient(std::optional<Gradient> gradient);
  const std::optional<Gradient>& RecoveredGradient() const { return recovered_; }

  // Draws the figure over the colours: the picture's overlay (logical coordinates).
  void PaintOverlay(QPainter& painter) const;

 signals:
  // The view changed (zoom, or the picture's size): the colours must be painted again.
  void ViewChanged();
  // Where the pinned orientation lies on the picture now (logical pixels), each time its marks
  // are found again; nothing when it lies outside the picture, or when nothing is pinned.
  void PinMoved(std::optional<QPoint> position);
  // Pointed() changed: the pointer moved to another orientation, left, or a pin came or went.
  void PointedChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnButton(const QMouseEvent& event);
  void OnPointerMoved(QPoint position);
  void OnPointerLeft();
  void FindPointerMarks();

  PictureBox& picture_;
  StateSource state_;
  MapZoom zoom_;
  int wheelRemainder_ = 0;  // eighths of a degree of Ctrl+wheel turn not yet applied
  std::vector<UsedSource> extra_;
  LevelContours contours_;
  int lineWidth_ = 1;
  bool litByAll_ = false;
  std::optional<IsophotesThrough> pointerMarks_;
  std::optional<QPoint> pointer_;  // logical position on the picture
  std::optional<Gradient> pointed_;
  std::optional<Gradient> pinned_;
  std::optional<Gradient> marked_;
  std::optional<Gradient> recovered_;
  std::optional<QPoint> pressedAt_;  // where the left button went down, for a click
  QTimer* pointerTimer_ = nullptr;   // gathers the moves of one event loop turn
};
