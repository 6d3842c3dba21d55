#include "app/common/input_box_mark.h"

#include <QLineEdit>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace {

const QColor kMarkColour(255, 140, 140);
constexpr const char* kMarkProperty = "inputMark";
constexpr const char* kOwnToolTipProperty = "ownToolTip";

}  // namespace

void MarkInputBox(QLineEdit& box, const QString& mark) {
  if (mark.isEmpty()) {
    if (InputBoxMark(box).isEmpty()) return;
    box.setProperty(kMarkProperty, QString());
    box.setPalette(QPalette());  // back to the inherited colours
    box.setToolTip(OwnToolTip(box));
    return;
  }
  box.setProperty(kMarkProperty, mark);
  QPalette palette = box.palette();
  palette.setColor(QPalette::Base, kMarkColour);
  box.setPalette(palette);
  box.setToolTip(mark);
}

QString InputBoxMark(const QLineEdit& box) { return box.property(kMarkProperty).toString(); }

QString OwnToolTip(const QWidget& control) {
  return control.property(kOwnToolTipProperty).toString();
}

void SetOwnToolTip(QWidget& control, const QString& text) {
  const bool marked = control.toolTip() != OwnToolTip(control);
  control.setProperty(kOwnToolTipProperty, text);
  if (!marked) control.setToolTip(text);
}
