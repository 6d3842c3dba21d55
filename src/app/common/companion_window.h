#pragma once
// What every window beside the form does as it is shown or hidden, once: ShownChanged keeps the
// check of the action that opens it; on showing it paints what it follows, on hiding it stops
// its pass. Shown or hidden by the window system alone (minimised, another desktop), it does
// neither.

#include <QWidget>

class CompanionWindow : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;

 signals:
  void ShownChanged(bool shown);

 protected:
  // After ShownChanged(true): what the window paints on being shown.
  virtual void OnShown() {}
  // Before ShownChanged(false): what stops on hiding (its pass under way).
  virtual void OnHidden() {}

  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
};

// Shows `window`, raised above the others and active: how every window is opened from a menu.
void BringForward(QWidget& window);
