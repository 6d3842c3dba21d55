// Form1's shade command (Command1 "Тонировать") and the observer arrow it leaves: the busy
// pointer and the hidden picture frame the pass, and both are restored on every path. A pass
// leaves a copy of its state for the readout and makes the picture available to save and copy.
// An input error is reported, then the box it names is marked and gets the focus, its text
// selected. Once the sphere is shown, an open gradient-space map is repainted from the pass.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <cmath>
#include <optional>
#include <variant>

#include "app/form1.h"
#include "app/gradient_map_window.h"
#include "app/input_box_mark.h"
#include "app/locale_numbers.h"
#include "app/picture_box.h"
#include "app/picture_menu.h"
#include "app/readout_overlay.h"
#include "shading/shade_command.h"

namespace {

// The busy pointer for the life of the guard.
class BusyPointer {
 public:
  BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyPointer() { QApplication::restoreOverrideCursor(); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
};

// The picture is hidden while the pass paints it and shown again after, with the focus if it had
// the focus before.
class HiddenWhilePainting {
 public:
  explicit HiddenWhilePainting(QWidget& picture)
      : picture_(picture), hadFocus_(picture.hasFocus()) {
    picture_.hide();
  }
  ~HiddenWhilePainting() {
    picture_.show();
    picture_.update();
    if (hadFocus_) picture_.setFocus();
  }
  HiddenWhilePainting(const HiddenWhilePainting&) = delete;
  HiddenWhilePainting& operator=(const HiddenWhilePainting&) = delete;

 private:
  QWidget& picture_;
  bool hadFocus_;
};

std::string BoxText(const QLineEdit& box) { return box.text().toStdString(); }

}  // namespace

void Form1::OnCommand1Clicked() {
  const QString legendMark = LegendMarksRefusal();
  if (!legendMark.isEmpty()) {
    QMessageBox::warning(this, windowTitle(), legendMark);
    return;
  }
  // The intake decides by the chosen function whether s and n must read.
  const ShadeInputs inputs{BoxText(*text1_), BoxText(*text2_), BoxText(*text3_),
                           BoxText(*text4_), BoxText(*text5_), BoxText(*text6_)};
  const bool smoothing = check2_->checkState() == Qt::Checked;  // greyed counts as unchecked
  std::optional<InputError> error;
  readout_->hide();
  {
    BusyPointer busy;
    HiddenWhilePainting hidden(*picture1_);
    const ShadeOutcome outcome =
        RunShadeCommand(state_, *picture1_, inputs, UserNumberFormat(), smoothing);
    if (const auto* pass = std::get_if<ShadePass>(&outcome)) {
      ApplyObserverArrow(pass->arrow);
      lastPass_ = state_;
      lastPassSmoothing_ = smoothing;
      pictureMenu_->SetPictureReady(true);
      MarkKeptGlossBoxes(pass->keptGlossFields);
    } else {
      error = std::get<InputError>(outcome);
    }
  }
  // Reported once the pointer is back and the picture shown; nothing has changed.
  if (error) {
    ShowInputError(*error);
    return;
  }
  // The map covers its whole picture, several times the sphere's samples: the sphere is shown
  // first, so that the map's pass never delays it.
  if (mapWindow_ != nullptr) {
    picture1_->repaint();
    mapWindow_->ShowPass(*lastPass_, lastPassSmoothing_);
  }
}

QLineEdit* Form1::ParameterBox(ShadeField field) const {
  switch (field) {
    case ShadeField::kRotX:
      return text1_;
    case ShadeField::kRotY:
      return text2_;
    case ShadeField::kRotZ:
      return text3_;
    case ShadeField::kSlant:
      return text4_;
    case ShadeField::kGlossS:
      return text5_;
    case ShadeField::kGlossN:
      return text6_;
  }
  return text1_;
}

void Form1::ShowInputError(const InputError& error) {
  const QString message = QString::fromStdString(error.message);
  QLineEdit& box = *ParameterBox(error.field);
  MarkInputBox(box, message);
  QMessageBox::warning(this, windowTitle(), message);
  box.setFocus(Qt::OtherFocusReason);
  box.selectAll();
}

// s and n are hidden while another function is chosen: a text there that does not read keeps the
// last values, and its box is marked, so that it shows red once «Глянцевая» is chosen again.
void Form1::MarkKeptGlossBoxes(const std::vector<InputError>& kept) {
  for (const InputError& unread : kept) {
    MarkInputBox(*ParameterBox(unread.field), QString::fromStdString(unread.message));
  }
}

void Form1::ApplyObserverArrow(const ArrowState& arrow) {
  if (!arrow.shown) {
    timer2_->stop();
    label6_->hide();
  }
  for (int line = 1; line <= kArrowLineCount; ++line) {
    ArrowLine shown = picture1_->ArrowLineAt(line);
    if (line == 1 && arrow.shown) shown.p2.setY(static_cast<int>(std::lrint(arrow.shaftLowerY)));
    shown.visible = arrow.shown;
    picture1_->SetArrowLine(line, shown);
  }
  if (arrow.shown) {
    label6_->show();
    if (!timer2_->isActive()) timer2_->start();  // enabling a running timer does not restart it
  }
}

void Form1::OnTimer2Timeout() {
  const int mode = NextArrowDrawMode(picture1_->ArrowLineAt(1).drawMode);
  for (int line = 1; line <= kArrowLineCount; ++line) {
    ArrowLine blinking = picture1_->ArrowLineAt(line);
    blinking.drawMode = mode;
    picture1_->SetArrowLine(line, blinking);
  }
}
