#pragma once
// The readout under the pointer, for a picture a pass has painted (the sphere or the gradient-
// space map): where the pointer rests on the picture, the readout of the state the picture shows,
// in a ReadoutOverlay over it, in the corner away from the pointer; nothing where the readout has
// no value, before the first pass, or once the pointer leaves. While a dialog is open the
// picture sees no move of the pointer: once it closes, the readout follows the pointer where it
// now rests. Neither the picture's pixels nor the state are touched.
//
//   PictureBox pointer -> ReadoutAt(state, picture size, pixel) -> ReadoutLines -> ReadoutOverlay

#include <QObject>
#include <QPoint>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>

#include "model/render_state.h"
#include "pass/readout.h"

class PictureBox;
class QWidget;
class ReadoutOverlay;

class PointerReadout final : public QObject {
  Q_OBJECT
 public:
  // The readout of a state at a device pixel of a picture of the given size in device pixels
  // (ReadoutAtPixel, GradientReadoutAtPixel).
  using ReadoutAt = std::function<std::optional<Readout>(const RenderState& state, int width,
                                                         int height, int x, int y)>;
  // Lines added below the readout's own, for the same state and pixel.
  using ExtraLines =
      std::function<QStringList(const RenderState& state, int width, int height, int x, int y)>;
  // The state the picture shows; nullptr while it shows none.
  using StateSource = std::function<const RenderState*()>;

  // The overlay is a child of `picture`; `window`, the picture's window, owns this helper.
  PointerReadout(PictureBox& picture, QWidget& window, ReadoutAt readoutAt, StateSource state);

  const ReadoutOverlay& Overlay() const { return *overlay_; }
  // Hides the readout until the pointer next moves (a new pass is starting).
  void Hide();
  // Keeps the readout of `position` (logical pixels) shown, wherever the pointer goes, until
  // Unpin; Pin again moves it. The readout of a pinned map orientation.
  void Pin(QPoint position);
  void Unpin();
  void SetExtraLines(ExtraLines extraLines) { extraLines_ = std::move(extraLines); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnPointerMoved(QPoint position);
  void OnPointerLeft();
  void ShowAt(QPoint position);

  PictureBox& picture_;
  ReadoutOverlay* overlay_ = nullptr;
  ReadoutAt readoutAt_;
  StateSource state_;
  ExtraLines extraLines_;
  std::optional<QPoint> pinned_;
};
