#pragma once
// The observer arrow over Picture1: the shaft (Line1), the two strokes of its head (Line2,
// Line3) and its label (Label6). At start-up it stands upright in the middle of the picture;
// each pass shows or hides it and moves the shaft's lower end (ArrowState); while shown, Timer2
// blinks all three lines once a second.

#include <QObject>

#include "pass/observer_arrow.h"

class QLabel;
class QTimer;
class PictureBox;

class ObserverArrowView final : public QObject {
  Q_OBJECT
 public:
  // Makes Timer2; `parent` owns the view.
  ObserverArrowView(PictureBox& picture, QLabel& label, QObject* parent);

  // The lines' x coordinates, centred on the picture; their y coordinates stay as laid out.
  void Place();
  // What a pass decided: shows or hides the lines and the label and starts or stops the blink.
  void Apply(const ArrowState& arrow);

 private:
  void OnTimer2Timeout();

  PictureBox& picture_;
  QLabel& label_;
  QTimer* timer2_ = nullptr;
};
