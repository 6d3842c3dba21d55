#pragma once
// The second window, «Карта отражательной способности R(p, q)»: the reflectance map of the last
// pass over the gradient plane, beside the sphere. It is not modal; Form1 repaints it after every
// pass while it exists. The map takes the function, slant, s, n, legend, colour switch and
// smoothing of that pass from a copy of its RenderState; rotations, the half sphere and the
// arrow play no part. Resting the pointer on the map shows its readout, as on the sphere.
//
//   Form1's pass -> copy of its RenderState -> RunGradientMapPass -> the map's PictureBox

#include <QWidget>
#include <optional>

#include "model/render_state.h"

class PictureBox;
class ReadoutOverlay;

class GradientMapWindow final : public QWidget {
  Q_OBJECT
 public:
  explicit GradientMapWindow(QWidget* parent = nullptr);

  // Repaints the map for the state a pass left, with that pass's smoothing.
  void ShowPass(const RenderState& lastPass, bool smoothing);

  PictureBox& Picture() const { return *picture_; }
  // The state the map shows, once a pass has been shown.
  const std::optional<RenderState>& MapState() const { return mapState_; }
  const ReadoutOverlay& ReadoutBox() const { return *readout_; }

 protected:
  // Once a dialog closes, the readout follows the pointer where it now rests.
  bool event(QEvent* event) override;

 private:
  // The readout of the map under the pointer: p, q, i, e, g, phi and the zone.
  void OnPointerMoved(QPoint position);

  PictureBox* picture_ = nullptr;
  ReadoutOverlay* readout_ = nullptr;
  std::optional<RenderState> mapState_;
};
