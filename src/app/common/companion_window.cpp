#include "app/common/companion_window.h"

#include <QHideEvent>
#include <QShowEvent>

void CompanionWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  emit ShownChanged(true);
  OnShown();
}

void CompanionWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (event->spontaneous()) return;
  OnHidden();
  emit ShownChanged(false);
}

void BringForward(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}
