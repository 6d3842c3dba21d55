#include "app/form/wrapping_check_box.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

constexpr int kCaptionFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

}  // namespace

WrappingCheckBox::WrappingCheckBox(QWidget* parent) : QCheckBox(parent) {}

QRect WrappingCheckBox::CaptionRect() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  return style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
}

void WrappingCheckBox::paintEvent(QPaintEvent* /*event*/) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();  // the style draws the box, the caption is drawn below with wrapping
  painter.drawControl(QStyle::CE_CheckBox, option);
  const QRect caption = CaptionRect();
  painter.drawItemText(caption, kCaptionFlags, palette(), isEnabled(), text(),
                       QPalette::WindowText);
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = fontMetrics().boundingRect(caption, kCaptionFlags, text()).intersected(rect());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

bool WrappingCheckBox::hitButton(const QPoint& pos) const { return rect().contains(pos); }
