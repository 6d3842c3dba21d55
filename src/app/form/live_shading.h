#pragma once
// Shading as the angles change, without pressing the button:
//
//   Up, Down, the wheel over Text1..Text4 -> that box steps 1° (Shift 10°, Ctrl 0.1°)
//   left-button drag on Picture1          -> right turns about Oz, down about Ox, 0.5° a pixel
//   RequestPass (a law's parameters)      -> the pass, throttled with the others
//   left-button drag on the map's picture -> down raises the slant, 0.5° a pixel, so that the
//                                            source's point (0, −tan σ) follows the pointer
//
// Each change writes the box, then asks for the button's own pass through a PassThrottle, so
// passes never queue behind the pointer or the wheel. A box whose text does not read is not
// stepped and asks for no pass: its mark and message come, as before, from the button. Typing
// still shades only on Enter, F5 or the button.

#include <QObject>
#include <QPointF>
#include <functional>

#include "intake/input_messages.h"

class ParameterBoxes;
class PassThrottle;
class PictureBox;

class LiveShading final : public QObject {
  Q_OBJECT
 public:
  // `runPass` runs the shade button's pass.
  LiveShading(const ParameterBoxes& boxes, PictureBox& sphere, std::function<void()> runPass,
              QObject* parent);

  // Drags on the gradient-space map move the light source from now on.
  void FollowMap(PictureBox& map);
  // Drags on another picture of the sphere («Сфера крупно») turn the view as on Picture1.
  void FollowSphere(PictureBox& sphere);

  const PassThrottle& Throttle() const { return *throttle_; }
  // A change made elsewhere (a law's slider) asks for its pass through the same throttle, so
  // that the angles and the law together still run at most one pass a frame.
  void RequestPass();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Adds `degrees` to the box of `field`; true where its text read and changed.
  bool Step(ShadeField field, double degrees);
  void OnSphereDragged(QPointF delta);
  void OnMapDragged(QPointF delta);

  const ParameterBoxes& boxes_;
  PassThrottle* throttle_ = nullptr;
  int wheelRemainder_ = 0;  // eighths of a degree of wheel turn not yet stepped
  bool mapFollowed_ = false;
};
