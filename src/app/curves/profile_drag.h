#pragma once
// A profile's line dragged on a picture with Shift and the left button: the line is marked over
// the picture as it is dragged, and chosen once the button is released. The drag is this
// helper's alone: the picture sees neither the press nor the release (no click), and the view's
// own drag (turning the sphere, moving the light) does not start.

#include <QLineF>
#include <QObject>
#include <optional>

class PictureBox;

class ProfileDrag final : public QObject {
  Q_OBJECT
 public:
  ProfileDrag(PictureBox& picture, QObject* parent);

 signals:
  // The line chosen, in the picture's logical coordinates.
  void LineChosen(QLineF line);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  PictureBox& picture_;
  std::optional<QPointF> from_;
};
