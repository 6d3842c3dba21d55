#include "app/input_box_mark.h"

#include <QLineEdit>
#include <QPalette>
#include <QVariant>

#include "app/form/control_tooltips.h"

namespace {

const QColor kMarkColour(255, 140, 140);
constexpr const char* kMarkProperty = "inputMark";

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
