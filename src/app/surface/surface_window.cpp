#include "app/surface/surface_window.h"

#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeySequence>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QShowEvent>
#include <algorithm>

#include "app/common/locale_numbers.h"
#include "app/common/window_placement.h"
#include "app/curves/profile_drag.h"
#include "app/language/translated_texts.h"
#include "app/map/gradient_map_window.h"
#include "app/map/sources_panel.h"
#include "app/picture/background_pass.h"
#include "app/picture/picture_box.h"
#include "app/picture/picture_menu.h"
#include "app/picture/readout_overlay.h"
#include "app/surface/surface_controls.h"
#include "app/surface/surface_readout_text.h"

namespace {

constexpr int kImageSpacing = 12;

}  // namespace

SurfaceWindow::SurfaceWindow(JobRunner& jobs, QWidget* parent)
    : CompanionWindow(parent, Qt::Window) {
  setObjectName(QStringLiteral("SurfaceWindow"));
  TranslatedTexts::Of(*this).Keep(static_cast<QWidget*>(this), &QWidget::setWindowTitle,
                                  "SurfaceWindow",
                                  QT_TRANSLATE_NOOP("SurfaceWindow", "Поверхность"));
  controls_ = new SurfaceControls(this);
  controls_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  connect(controls_, &SurfaceControls::Changed, this, &SurfaceWindow::Paint);
  images_ = new QWidget;
  images_->setObjectName(QStringLiteral("SurfaceImages"));
  imageRow_ = new QHBoxLayout(images_);
  imageRow_->setSpacing(kImageSpacing);
  imageRow_->addStretch(1);
  AddImageView();
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("SurfaceScroll"));
  scroll_->setWidget(images_);
  scroll_->setWidgetResizable(true);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(controls_);
  layout->addWidget(scroll_, 1);

  auto* shade = new QShortcut(QKeySequence(Qt::Key_F5), this);
  connect(shade, &QShortcut::activated, this, &SurfaceWindow::ShadeRequested);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &SurfaceWindow::OnEscape);
  pass_ = new BackgroundPass(jobs, *scroll_, this);
  pass_->setObjectName(QStringLiteral("SurfacePass"));
  FitToImages();
}

// Grows the window until its images fit without scrolling, as far as the screen allows; it
// never shrinks what the user made larger.
void SurfaceWindow::FitToImages() {
  // Images and boxes made or changed since their layouts last ran have not yet told the layouts
  // above them: each runs now, from the innermost out (findChildren lists a parent before its
  // children).
  const QList<QWidget*> parts = findChildren<QWidget*>();
  for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
    if ((*part)->layout() != nullptr) (*part)->layout()->activate();
  }
  layout()->activate();
  const QMargins margins = layout()->contentsMargins();
  const int frame = 2 * scroll_->frameWidth();
  const QSize images = images_->sizeHint();
  const QSize controls = controls_->sizeHint();
  QSize wanted(
      margins.left() + controls.width() + layout()->spacing() + images.width() + frame +
          margins.right(),
      margins.top() + std::max(controls.height(), images.height() + frame) + margins.bottom());
  const QSize grown = size().expandedTo(wanted);
  const QScreen* shown = screen();
  if (shown == nullptr || grown == size()) {
    resize(grown);
    return;
  }
  const QRect available = shown->availableGeometry();
  const QMargins frameMargins = FrameMargins();
  const QSize most = available.size().shrunkBy(frameMargins);
  resize(grown.boundedTo(most).expandedTo(size()));
  // Kept on the screen: a window near its edge moves back by what it grew. (A window's pos() is
  // its frame's corner, framed or not yet.)
  if (isVisible()) {
    const QRect frameNow(pos(), size().grownBy(frameMargins));
    const QPoint kept = FrameKeptWithin(frameNow, available);
    if (kept != frameNow.topLeft()) move(kept);
  }
}

// The frame's margins; until the window manager has framed this window, the main window's.
QMargins SurfaceWindow::FrameMargins() const {
  QMargins estimate;
  if (const QWidget* main = parentWidget() != nullptr ? parentWidget()->window() : nullptr) {
    estimate = FrameMarginsOr(main->frameGeometry(), main->geometry(), {});
  }
  return FrameMarginsOr(frameGeometry(), geometry(), estimate);
}

void SurfaceWindow::AddImageView() {
  const size_t index = views_.size();
  auto* view = new SurfaceImageView(
      static_cast<int>(index), [this] { return MapMarks(); }, images_);
  imageRow_->insertWidget(static_cast<int>(index), view);
  view->ContextMenu().OfferLegend([this]() -> std::optional<FigureLegend> {
    if (!shown_) return std::nullopt;
    return FigureLegendOf(shown_->pass.state, UserLocale());
  });
  connect(&view->Picture(), &PictureBox::pointerMoved, this,
          [this, index](QPoint position) { OnPointerMoved(index, position); });
  connect(&view->Picture(), &PictureBox::pointerLeft, this,
          [this, index] { OnPointerLeft(index); });
  auto* drag = new ProfileDrag(view->Picture(), view);
  connect(drag, &ProfileDrag::LineChosen, this,
          [this, index](QLineF line) { emit ProfileChosen(static_cast<int>(index), line); });
  views_.push_back(view);
}

void SurfaceWindow::ShowPass(const LastPass& pass) {
  requested_ = pass;
  Paint();
}

void SurfaceWindow::CancelPass() { pass_->Cancel(); }

void SurfaceWindow::OnEscape() {
  if (pass_->Running()) {
    pass_->Cancel();
  } else {
    close();
  }
}

std::vector<UsedSource> SurfaceWindow::Sources() const {
  std::vector<UsedSource> sources{{1, DescribedSource(requested_->state)}};
  if (map_ != nullptr) {
    const std::vector<UsedSource> extra = map_->Sources().ExtraSources();
    sources.insert(sources.end(), extra.begin(), extra.end());
  }
  return sources;
}

// The scene is made again only when the surface changed since the one shown was made.
void SurfaceWindow::Paint() {
  if (!requested_ || !isVisible()) return;
  SurfacePaintRequest request;
  request.pass = *requested_;
  const int generation = controls_->Generation();
  if (generation == sceneGeneration_) {
    request.scene = scene_;
  } else {
    request.choice = controls_->Choice();
  }
  request.sources = Sources();
  request.castShadows = controls_->CastShadows();
  request.withPhi = map_ != nullptr;
  request.pixelRatio = views_.front()->Picture().ScreenPixelRatio();
  auto painted = std::make_shared<PaintedSurface>();
  pass_->Start([request = std::move(request), painted] { *painted = PaintSurface(request); },
               [this, painted, generation] { ShowPainted(*painted, generation); });
}

void SurfaceWindow::ShowPainted(PaintedSurface& painted, int generation) {
  scene_ = painted.shown.scene;
  sceneGeneration_ = generation;
  while (views_.size() < painted.images.size()) AddImageView();
  for (size_t k = 0; k < views_.size(); ++k) {
    SurfaceImageView& view = *views_[k];
    const bool used = k < painted.images.size();
    view.setVisible(used);
    if (!used) continue;
    const QImage& image = painted.images[k];
    view.SetSource(painted.shown.sources[k]);
    view.Picture().setFixedSize(image.deviceIndependentSize().toSize());
    view.Picture().SetImage(image);
    view.ContextMenu().SetPictureReady(true);
  }
  shown_ = std::move(painted.shown);
  FitToImages();
  FindMapMarks();
  // The readout and the marks follow what is now under a pointer that has not moved.
  if (pointedImage_ && *pointedImage_ < views_.size()) {
    views_[*pointedImage_]->Picture().ReportPointer();
  }
}

void SurfaceWindow::OnPointerMoved(size_t image, QPoint position) {
  pointedImage_ = image;
  SurfaceImageView& view = *views_[image];
  std::optional<SurfaceReadout> readout;
  if (shown_) {
    const QPoint cell = view.Picture().DevicePixelAt(position);
    readout = ReadSurfaceCell(shown_->pass.state, *shown_->scene, AimsOf(shown_->sources),
                              shown_->castShadows, cell.x(), cell.y());
  }
  if (!readout) {
    view.ReadoutBox().hide();
    emit CellPointed(std::nullopt);
    return;
  }
  view.ReadoutBox().ShowLines(SurfaceReadoutLines(*readout, shown_->sources, UserLocale()),
                              position);
  emit CellPointed(readout->gradient);
}

void SurfaceWindow::OnPointerLeft(size_t image) {
  views_[image]->ReadoutBox().hide();
  if (pointedImage_ != image) return;
  pointedImage_.reset();
  emit CellPointed(std::nullopt);
}

void SurfaceWindow::OnShown() { Paint(); }

void SurfaceWindow::OnHidden() {
  pass_->Cancel();
  if (pointedImage_) OnPointerLeft(*pointedImage_);
}
