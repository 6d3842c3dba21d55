// Form1's shade command (Command1 "Тонировать") and the observer arrow it leaves: the busy
// pointer and the hidden picture frame the pass, and both are restored on every path. A pass
// leaves a copy of its state for the readout and makes the picture available to save and copy.
// An input error is reported, then the box it names is marked and gets the focus, its text
// selected. Once the sphere is shown, an open gradient-space map is repainted from the pass.

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <optional>
#include <variant>

#include "app/form1.h"
#include "app/gradient_map_window.h"
#include "app/legend_panel.h"
#include "app/locale_numbers.h"
#include "app/observer_arrow_view.h"
#include "app/parameter_boxes.h"
#include "app/picture_box.h"
#include "app/picture_menu.h"
#include "app/pointer_readout.h"
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

}  // namespace

void Form1::OnCommand1Clicked() {
  const QString legendRefusal = legend_->Refusal();
  if (!legendRefusal.isEmpty()) {
    QMessageBox::warning(this, windowTitle(), legendRefusal);
    return;
  }
  // The intake decides by the chosen function whether s and n must read.
  const ShadeInputs inputs = parameters_->Inputs();
  const bool smoothing = check2_->checkState() == Qt::Checked;  // greyed counts as unchecked
  std::optional<InputError> error;
  readout_->Hide();
  const float pixelScale = state_.pixelScale;
  const std::optional<QImage> replaced = MatchPictureToScreen();
  {
    BusyPointer busy;
    HiddenWhilePainting hidden(*picture1_);
    const ShadeOutcome outcome =
        RunShadeCommand(state_, *picture1_, inputs, UserNumberFormat(), smoothing);
    if (const auto* pass = std::get_if<ShadePass>(&outcome)) {
      arrow_->Apply(pass->arrow);
      lastPass_ = LastPass{state_, smoothing};
      pictureMenu_->SetPictureReady(true);
      // s and n are hidden while another function is chosen: a text there that did not read is
      // marked, so that it shows red once «Глянцевая» is chosen again.
      for (const InputError& kept : pass->keptGlossFields) parameters_->Mark(kept);
    } else {
      error = std::get<InputError>(outcome);
    }
  }
  // Reported once the pointer is back and the picture shown; nothing has changed.
  if (error) {
    // Nothing has changed, the picture's resolution included.
    state_.pixelScale = pixelScale;
    if (replaced) picture1_->SetImage(*replaced);
    ShowInputError(*error);
    return;
  }
  // The map covers its whole picture, several times the sphere's samples: the sphere is shown
  // first, so that the map's pass never delays it.
  if (mapWindow_ != nullptr) {
    picture1_->repaint();
    mapWindow_->ShowPass(*lastPass_);
  }
}

void Form1::ShowInputError(const InputError& error) {
  parameters_->Mark(error);
  QMessageBox::warning(this, windowTitle(), QString::fromStdString(error.message));
  QLineEdit& box = parameters_->Box(error.field);
  box.setFocus(Qt::OtherFocusReason);
  box.selectAll();
}
