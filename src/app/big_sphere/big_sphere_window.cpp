#include "app/big_sphere/big_sphere_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeySequence>
#include <QPainter>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "app/common/locale_numbers.h"
#include "app/language/translated_texts.h"
#include "app/picture/background_pass.h"
#include "app/picture/image_picture.h"
#include "app/picture/picture_box.h"
#include "app/picture/picture_export.h"
#include "app/picture/picture_menu.h"
#include "app/picture/pointer_readout.h"
#include "figure/overlay_drawing.h"
#include "model/startup_values.h"
#include "pass/raster_pass.h"
#include "pass/readout.h"

int LargestSphereScale(QSize size) {
  return std::max(
      1, std::min(size.width() / kDefaultPictureWidth, size.height() / kDefaultPictureHeight));
}

BigSphereWindow::BigSphereWindow(JobRunner& jobs, QWidget* parent)
    : CompanionWindow(parent, Qt::Window) {
  setObjectName(QStringLiteral("BigSphereWindow"));
  TranslatedTexts::Of(*this).Keep(static_cast<QWidget*>(this), &QWidget::setWindowTitle,
                                  "BigSphereWindow",
                                  QT_TRANSLATE_NOOP("BigSphereWindow", "Сфера крупно"));
  const QSize defaultSize(kDefaultPictureWidth, kDefaultPictureHeight);
  picture_ = new PictureBox(defaultSize * 2, this);
  picture_->setObjectName(QStringLiteral("BigSpherePicture"));
  picture_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  picture_->setMinimumSize(defaultSize);
  picture_->installEventFilter(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(picture_);
  readout_ = new PointerReadout(*picture_, *this, &ReadoutAtPixel, [this] { return ShownState(); });
  menu_ = new PictureMenu(
      *picture_, *this, [this] { return picture_->ImageWithArrowShown(); },
      [this] { return ExportedLayers(*picture_, nullptr); });
  menu_->OfferLegend([this]() -> std::optional<FigureLegend> {
    const RenderState* shown = ShownState();
    if (shown == nullptr) return std::nullopt;
    return FigureLegendOf(*shown, UserLocale());
  });
  menu_->SetProposedName(QCoreApplication::translate("BigSphereWindow", "сфера.png"));
  picture_->SetOverlay([this](QPainter& painter) {
    if (!shown_) return;
    const RenderState& state = shown_->state;
    DrawSphereOverlay(painter, picture_->PixelRatio(), overlay_, shown_->lineWidth,
                      Rgb{state.backgroundR, state.backgroundG, state.backgroundB});
  });
  auto* shade = new QShortcut(QKeySequence(Qt::Key_F5), this);
  connect(shade, &QShortcut::activated, this, &BigSphereWindow::ShadeRequested);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &BigSphereWindow::OnEscape);
  pass_ = new BackgroundPass(jobs, *picture_, this);
  pass_->setObjectName(QStringLiteral("BigSpherePass"));
}

void BigSphereWindow::ShowPass(const LastPass& pass, const OverlayChoice& choice) {
  requested_ = pass;
  choice_ = choice;
  readout_->Hide();
  Paint();
}

void BigSphereWindow::CancelPass() { pass_->Cancel(); }

void BigSphereWindow::OnEscape() {
  if (pass_->Running()) {
    pass_->Cancel();
  } else {
    close();
  }
}

// The sphere of the pass asked for, painted at the scale the window's size allows and at the
// screen's resolution.
void BigSphereWindow::Paint() {
  if (!requested_ || !isVisible()) return;
  const int ratio = picture_->ScreenPixelRatio();
  const int scale = LargestSphereScale(picture_->size());
  auto pass = std::make_shared<LastPass>(*requested_);
  pass->state.pixelScale = ScaledPixelScale(scale * ratio);
  auto image = std::make_shared<QImage>(BlankPictureImage(picture_->size(), ratio));
  auto overlay = std::make_shared<SphereOverlay>();
  pass_->Start(
      [pass, image, overlay, choice = choice_] {
        ImagePicture picture(*image);
        RunRasterPass(pass->state, picture, pass->smoothing);
        *overlay = FindSphereOverlay(pass->state, image->width(), image->height(), choice);
      },
      [this, pass, image, overlay, scale] {
        shown_ = *pass;
        overlay_ = std::move(*overlay);
        scale_ = scale;
        menu_->SetPictureReady(true);
        picture_->SetImage(*image);
      });
}

bool BigSphereWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picture_ && event->type() == QEvent::Resize) Paint();
  return QWidget::eventFilter(watched, event);
}

void BigSphereWindow::OnShown() { Paint(); }

void BigSphereWindow::OnHidden() { pass_->Cancel(); }
