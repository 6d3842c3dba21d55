// Form1's shade command (Command1 "Тонировать") and the observer arrow it leaves. The texts are
// read on the window's thread; the pass paints a picture of its own on the background runner
// (BackgroundPass), and only once it has finished do the state, the picture, the arrow and the
// readout's copy of the pass change, in that order. A pass done within a frame is shown before
// the press returns, as it always was; a longer one leaves the last picture shown with a
// progress bar, and Esc or a newer press cancels it. An input error is reported, then the box it
// names is marked and gets the focus, its text selected. Once the sphere is shown, the pass is
// reported (PassShown) to the windows that follow it.

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <memory>
#include <variant>

#include "app/common/locale_numbers.h"
#include "app/form/form1.h"
#include "app/form/legend_panel.h"
#include "app/form/observer_arrow_view.h"
#include "app/form/parameter_boxes.h"
#include "app/picture/background_pass.h"
#include "app/picture/image_picture.h"
#include "app/picture/picture_box.h"
#include "app/picture/picture_menu.h"
#include "app/picture/pointer_readout.h"
#include "messages/translated_message.h"
#include "model/startup_values.h"
#include "pass/raster_pass.h"

namespace {

// The busy pointer for the life of the guard.
class BusyPointer {
 public:
  BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyPointer() { QApplication::restoreOverrideCursor(); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace

// What a sphere pass paints and leaves, off the window's thread.
struct SpherePass {
  RenderState state;
  QImage image;
  ArrowState arrow;
  SphereOverlay overlay;
};

void Form1::OnCommand1Clicked() {
  const QString legendRefusal = legend_->Refusal();
  if (!legendRefusal.isEmpty()) {
    QMessageBox::warning(this, windowTitle(), legendRefusal);
    return;
  }
  CancelPasses();
  // The intake decides by the chosen function whether s and n must read.
  const ShadeInputs inputs = parameters_->Inputs();
  const bool smoothing = SmoothingChecked();
  readout_->Hide();
  // On a screen scaled above 1 the sphere is painted at the screen's resolution, as the
  // renderer's --scale K paints it: K times the pixels, each K times smaller in sphere units.
  const int ratio = picture1_->ScreenPixelRatio();
  auto pass = std::make_shared<SpherePass>();
  pass->state = state_;
  pass->state.pixelScale = ScaledPixelScale(ratio);
  ShadeIntakeOutcome intake = ReadShadeParameters(pass->state, inputs, UserNumberFormat());
  if (const auto* error = std::get_if<InputError>(&intake)) {
    ShowInputError(*error);  // nothing has changed
    return;
  }
  auto read = std::make_shared<ShadeIntake>(std::move(std::get<ShadeIntake>(intake)));
  pass->image = BlankPictureImage(picture1_->size(), ratio);
  BusyPointer busy;  // while the window waits for the pass, up to a frame
  spherePass_->Start(
      [pass, read, smoothing, choice = overlay_] {
        ImagePicture picture(pass->image);
        RunRasterPass(pass->state, picture, smoothing);
        pass->arrow = DecideObserverArrow(pass->state.rotX, read->rotYDegrees);
        pass->overlay =
            FindSphereOverlay(pass->state, pass->image.width(), pass->image.height(), choice);
      },
      [this, pass, read, smoothing] { ShowSpherePass(*pass, *read, smoothing); });
}

void Form1::ShowSpherePass(SpherePass& pass, const ShadeIntake& read, bool smoothing) {
  state_ = pass.state;
  shownOverlay_ = std::move(pass.overlay);
  picture1_->SetImage(pass.image);
  arrow_->Apply(pass.arrow);
  lastPass_ = LastPass{state_, smoothing, overlay_.lineWidth};
  pictureMenu_->SetPictureReady(true);
  // s and n are hidden while another function is chosen: a text there that did not read is
  // marked, so that it shows red once «Глянцевая» is chosen again.
  for (const InputError& kept : read.keptGlossFields) parameters_->Mark(kept);
  emit PassShown(*lastPass_);
}

ShadeInputs Form1::ParameterTexts() const { return parameters_->Inputs(); }

bool Form1::SmoothingChecked() const { return check2_->checkState() == Qt::Checked; }

void Form1::CancelPasses() {
  spherePass_->Cancel();
  emit PassesCancelled();
}

void Form1::ShowInputError(const InputError& error) {
  parameters_->Mark(error);
  QMessageBox::warning(this, windowTitle(), TranslatedMessage(error.said));
  QLineEdit& box = parameters_->Box(error.field);
  box.setFocus(Qt::OtherFocusReason);
  box.selectAll();
}
