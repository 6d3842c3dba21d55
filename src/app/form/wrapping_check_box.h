#pragma once
// A check box whose caption wraps onto further lines when it is wider than the box, and which
// reacts to a click anywhere on its area.

#include <QCheckBox>

class WrappingCheckBox final : public QCheckBox {
  Q_OBJECT
 public:
  explicit WrappingCheckBox(QWidget* parent = nullptr);

  // Where the caption is drawn.
  QRect CaptionRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override;
};
