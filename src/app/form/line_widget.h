#pragma once
// A horizontal line of the window, some pixels wide, in one colour: two of them, one dark and
// one light, make the etched separator under the legend.

#include <QColor>
#include <QWidget>

class LineWidget final : public QWidget {
  Q_OBJECT
 public:
  explicit LineWidget(QWidget* parent = nullptr);

  void SetColour(const QColor& colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_ = Qt::black;
};
