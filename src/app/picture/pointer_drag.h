#pragma once
// A drag with the left button that starts on a widget: reports how far the pointer moved since
// the last report, in pixels, until the button is released. The drag is followed wherever the
// pointer goes, off the widget too, and while the widget is briefly hidden (as a pass hides the
// sphere while it paints it). A press and release without a move is no drag and reports nothing,
// and a press with Shift starts none (it draws a profile's line).

#include <QObject>
#include <QPointF>
#include <functional>

class QWidget;

class PointerDrag final : public QObject {
  Q_OBJECT
 public:
  using Moved = std::function<void(QPointF delta)>;

  PointerDrag(QWidget& widget, Moved moved, QObject* parent);
  ~PointerDrag() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Begin(QPointF global);
  void End();

  QWidget& widget_;
  Moved moved_;
  bool dragging_ = false;
  QPointF last_;
};
