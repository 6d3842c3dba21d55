#pragma once
// A rectangle shape: a solid fill inside a border of a given colour and width. The legend
// swatches, the self-shadowing swatch and the backdrop of the picture.

#include <QColor>
#include <QWidget>

class ShapeWidget final : public QWidget {
  Q_OBJECT
 public:
  explicit ShapeWidget(QWidget* parent = nullptr);

  QColor FillColour() const { return fill_; }
  void SetFillColour(const QColor& colour);
  int BorderWidth() const { return borderWidth_; }
  void SetBorder(const QColor& colour, int width);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_ = Qt::white;
  QColor border_ = Qt::black;
  int borderWidth_ = 1;
};
