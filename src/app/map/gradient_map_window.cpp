#include "app/map/gradient_map_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <memory>

#include "app/common/locale_numbers.h"
#include "app/common/window_placement.h"
#include "app/language/translated_texts.h"
#include "app/map/map_figure.h"
#include "app/map/sources_panel.h"
#include "app/picture/background_pass.h"
#include "app/picture/image_picture.h"
#include "app/picture/picture_box.h"
#include "app/picture/picture_export.h"
#include "app/picture/picture_menu.h"
#include "app/picture/pointer_readout.h"
#include "app/picture/readout_text.h"
#include "gradient/gradient_readout.h"
#include "gradient/gradient_view.h"
#include "gradient/source_phi.h"
#include "model/startup_values.h"
#include "pass/readout.h"

GradientMapWindow::GradientMapWindow(JobRunner& jobs, QAction& showSources, QWidget* parent)
    : CompanionWindow(parent, Qt::Window), sourcesAction_(&showSources) {
  setObjectName(QStringLiteral("GradientMapWindow"));
  TranslatedTexts::Of(*this).Keep(
      static_cast<QWidget*>(this), &QWidget::setWindowTitle, "GradientMapWindow",
      QT_TRANSLATE_NOOP("GradientMapWindow", "Карта отражательной способности R(p, q)"));
  const QSize defaultSize(kDefaultPictureWidth, kDefaultPictureHeight);
  picture_ = new PictureBox(defaultSize, this);
  picture_->setObjectName(QStringLiteral("MapPicture"));
  picture_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  picture_->setMinimumSize(defaultSize / 2);
  // Until a pass is shown the plane is empty, but the figure's axes already say what it is.
  figure_ = new MapFigure(
      *picture_, [this] { return MapState(); }, this);
  connect(figure_, &MapFigure::ViewChanged, this, &GradientMapWindow::PaintMap);
  const PointerReadout::ReadoutAt readAt = [this](const RenderState& lastPass, int width,
                                                  int height, int x, int y) {
    return GradientReadoutAtPixel(lastPass, width, height, x, y, figure_->View());
  };
  readout_ = new PointerReadout(*picture_, *this, readAt, [this] { return MapState(); });
  connect(figure_, &MapFigure::PinMoved, this, [this](std::optional<QPoint> position) {
    if (position) {
      readout_->Pin(*position);
    } else {
      readout_->Unpin();
    }
  });
  menu_ = new PictureMenu(
      *picture_, *this, [this] { return picture_->ComposedImage(); },
      [this] { return ExportedLayers(*picture_, nullptr); });
  menu_->OfferLegend([this]() -> std::optional<FigureLegend> {
    const RenderState* shown = MapState();
    if (shown == nullptr) return std::nullopt;
    return FigureLegendOf(*shown, UserLocale());
  });
  menu_->SetProposedName(QCoreApplication::translate("GradientMapWindow", "карта.png"));
  auto* shade = new QShortcut(QKeySequence(Qt::Key_F5), this);
  connect(shade, &QShortcut::activated, this, &GradientMapWindow::ShadeRequested);
  auto* closeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(closeKey, &QShortcut::activated, this, &GradientMapWindow::OnEscape);
  mapPass_ = new BackgroundPass(jobs, *picture_, this);
  mapPass_->setObjectName(QStringLiteral("MapPass"));
  auto* defaultView = new QAction(this);
  TranslatedTexts::Of(*this).Keep(defaultView, &QAction::setText, "GradientMapWindow",
                                  QT_TRANSLATE_NOOP("GradientMapWindow", "Исходный масштаб"));
  defaultView->setObjectName(QStringLiteral("MapDefaultView"));
  defaultView->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  connect(defaultView, &QAction::triggered, figure_, &MapFigure::Reset);
  menu_->AddAction(defaultView);
  readout_->SetExtraLines([this](const RenderState& state, int width, int height, int x, int y) {
    return ExtraPhiLines(state, width, height, x, y);
  });

  sources_ = new SourcesPanel(this);
  sources_->hide();
  connect(sources_, &SourcesPanel::Changed, this, [this] {
    figure_->SetExtraSources(sources_->ExtraSources(), sources_->LitByAllChecked());
  });
  menu_->AddAction(sourcesAction_);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(picture_, 1);
  layout->addWidget(sources_);
  resize(defaultSize);
}

void GradientMapWindow::ShowSources(bool show) {
  sourcesAction_->setChecked(show);
  // Whether the panel is part of the window, shown or not: the window may be closed.
  if (show == !sources_->isHidden()) return;
  const QSize map = picture_->size();
  sources_->setVisible(show);
  // The layout sets the window's minimum size only as it is next activated: until then a hidden
  // panel's width still counts and would keep the window from shrinking back.
  layout()->activate();
  const int panel = sources_->sizeHint().width();
  resize(map.width() + (show ? panel : 0), height());
  // Kept on the screen: a window near the screen's right edge moves left by what the panel added,
  // and one that would now cover the main window grows to the left instead, where it can.
  const QScreen* shown = screen();
  if (shown == nullptr || !show) return;
  const QRect frame = frameGeometry();
  const QRect mainFrame =
      parentWidget() != nullptr ? parentWidget()->window()->frameGeometry() : QRect();
  const QPoint at = GrownFramePosition(frame, panel, mainFrame, shown->availableGeometry());
  if (at != frame.topLeft()) move(pos() + (at - frame.topLeft()));
}

QStringList GradientMapWindow::ExtraPhiLines(const RenderState& state, int width, int height, int x,
                                             int y) const {
  const std::vector<UsedSource> extra = sources_->ExtraSources();
  if (extra.empty()) return {};
  const std::vector<float> phis =
      SourcePhisAtPixel(state, AimsOf(extra), figure_->View(), width, height, x, y);
  std::vector<int> numbers;
  for (const UsedSource& source : extra) numbers.push_back(source.number);
  return {ExtraSourcesPhiLine(numbers, phis, UserLocale())};
}

void GradientMapWindow::ShowPass(const LastPass& pass) {
  readout_->Hide();
  Paint(pass);
}

void GradientMapWindow::SetOverlayChoice(const OverlayChoice& choice) { overlay_ = choice; }

void GradientMapWindow::CancelPass() { mapPass_->Cancel(); }

void GradientMapWindow::OnEscape() {
  if (mapPass_->Running()) {
    mapPass_->Cancel();
  } else if (figure_->PinnedOrientation()) {
    figure_->Unpin();
  } else {
    close();
  }
}

// A new view repaints the pass shown; before the first pass there is only the figure.
void GradientMapWindow::PaintMap() {
  if (shown_) {
    Paint(*shown_);
    return;
  }
  const int ratio = picture_->ScreenPixelRatio();
  if (ratio != picture_->PixelRatio() || picture_->size() * ratio != picture_->Image().size()) {
    picture_->ResizeImage(picture_->size(), ratio);
  }
  figure_->Refresh();
}

// At a screen scale K above 1 the map is painted K times as fine, as the renderer's --scale K.
void GradientMapWindow::Paint(const LastPass& pass) {
  auto image =
      std::make_shared<QImage>(BlankPictureImage(picture_->size(), picture_->ScreenPixelRatio()));
  const GradientView view = figure_->View();
  auto contours = std::make_shared<LevelContours>();
  mapPass_->Start(
      [image, pass, view, contours, choice = overlay_] {
        ImagePicture picture(*image);
        PaintGradientMap(pass.state, picture, pass.smoothing, view);
        *contours = FindMapContours(pass.state, image->width(), image->height(), view, choice);
      },
      [this, image, pass, contours] {
        shown_ = pass;
        menu_->SetPictureReady(true);
        picture_->SetImage(*image);
        figure_->SetContours(std::move(*contours), pass.lineWidth);
        figure_->Refresh();
      });
}

const ReadoutOverlay& GradientMapWindow::ReadoutBox() const { return readout_->Overlay(); }
