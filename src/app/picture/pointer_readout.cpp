#include "app/picture/pointer_readout.h"

#include <QEvent>
#include <QWidget>
#include <utility>

#include "app/common/locale_numbers.h"
#include "app/picture/picture_box.h"
#include "app/picture/readout_overlay.h"
#include "app/picture/readout_text.h"

PointerReadout::PointerReadout(PictureBox& picture, QWidget& window, ReadoutAt readoutAt,
                               StateSource state)
    : QObject(&window),
      picture_(picture),
      overlay_(new ReadoutOverlay(&picture)),
      readoutAt_(std::move(readoutAt)),
      state_(std::move(state)) {
  connect(&picture, &PictureBox::pointerMoved, this, &PointerReadout::OnPointerMoved);
  connect(&picture, &PictureBox::pointerLeft, this, &PointerReadout::OnPointerLeft);
  window.installEventFilter(this);
}

void PointerReadout::Hide() { overlay_->hide(); }

void PointerReadout::Pin(QPoint position) {
  pinned_ = position;
  ShowAt(position);
}

void PointerReadout::Unpin() {
  if (!pinned_) return;
  pinned_.reset();
  overlay_->hide();
  picture_.ReportPointer();
}

void PointerReadout::OnPointerLeft() {
  if (!pinned_) overlay_->hide();
}

bool PointerReadout::eventFilter(QObject* watched, QEvent* event) {
  // A readout still shown belongs to where the pointer was when the dialog opened.
  if (event->type() == QEvent::WindowUnblocked) picture_.ReportPointer();
  return QObject::eventFilter(watched, event);
}

void PointerReadout::OnPointerMoved(QPoint position) {
  if (!pinned_) ShowAt(position);
}

void PointerReadout::ShowAt(QPoint position) {
  const RenderState* state = state_();
  const QPoint pixel = picture_.DevicePixelAt(position);
  const std::optional<Readout> readout =
      state != nullptr
          ? readoutAt_(*state, picture_.Width(), picture_.Height(), pixel.x(), pixel.y())
          : std::nullopt;
  if (!readout) {
    overlay_->hide();
    return;
  }
  QStringList lines = ReadoutLines(*readout, *state, UserLocale());
  if (extraLines_) {
    lines << extraLines_(*state, picture_.Width(), picture_.Height(), pixel.x(), pixel.y());
  }
  overlay_->ShowLines(lines, position);
}
