#include "app/surface/surface_image_view.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "app/common/locale_numbers.h"
#include "app/language/translated_texts.h"
#include "app/picture/picture_box.h"
#include "app/picture/picture_export.h"
#include "app/picture/picture_menu.h"
#include "app/picture/readout_overlay.h"
#include "figure/figure_style.h"
#include "figure/linked_marks.h"
#include "surface/surface_catalogue.h"

namespace {

constexpr int kSwatchSize = 12;
constexpr int kAngleDigits = 6;  // a slant stored as a 32-bit float reads back as typed

QString AngleText(double degrees) { return UserLocale().toString(degrees, 'g', kAngleDigits); }
constexpr QSize kFirstSize(kDefaultSurfaceSide, kDefaultSurfaceSide);

}  // namespace

SurfaceImageView::SurfaceImageView(int index, MarksSource marks, QWidget* parent)
    : QWidget(parent), marks_(std::move(marks)) {
  setObjectName(QStringLiteral("SurfaceImageView_%1").arg(index));
  swatch_ = new QLabel(this);
  swatch_->setFixedSize(kSwatchSize, kSwatchSize);
  caption_ = new QLabel(this);
  caption_->setObjectName(QStringLiteral("SurfaceImageCaption_%1").arg(index));
  picture_ = new PictureBox(kFirstSize, this);
  picture_->setObjectName(QStringLiteral("SurfaceImage_%1").arg(index));
  picture_->setFixedSize(kFirstSize);
  readout_ = new ReadoutOverlay(picture_);
  readout_->setObjectName(QStringLiteral("SurfaceReadout_%1").arg(index));
  menu_ = new PictureMenu(
      *picture_, *this, [this] { return picture_->ComposedImage(); },
      [this] { return ExportedLayers(*picture_, nullptr); });
  menu_->SetProposedName(tr("поверхность-%1.png").arg(index + 1));
  for (QAction* action : {menu_->SaveAction(), menu_->CopyAction()}) {
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  }
  picture_->SetOverlay([this](QPainter& painter) {
    const MapPointedMarks* shown = marks_();
    if (shown == nullptr) return;
    const int ratio = picture_->PixelRatio();
    // The cells over the line: they lie on it, and a line drawn last would hide them.
    DrawPreImage(painter, ratio, shown->preImage, kSourceColours[0], shown->lineWidth);
    DrawLinkedCells(painter, ratio, shown->cells, shown->width, shown->height);
  });
  auto* captionRow = new QHBoxLayout;
  captionRow->addWidget(swatch_);
  captionRow->addWidget(caption_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(captionRow);
  layout->addWidget(picture_);
  layout->addStretch(1);
  TranslatedTexts& texts = TranslatedTexts::Of(*this);
  texts.Keep([this] { ShowCaption(); });
  // The orientation said where it differs: the sphere at rot-x +90 has +y downwards.
  texts.Keep(
      caption_, &QWidget::setToolTip, "SurfaceImageView",
      QT_TRANSLATE_NOOP("SurfaceImageView",
                        "Ось y (q) — вверх, как на карте и на сфере при повороте по Ox −90°; "
                        "при +90° сфера рисует +y вниз, зеркально по вертикали."));
}

void SurfaceImageView::SetSource(const UsedSource& source) {
  const QColor colour = SourceColour(source);
  swatch_->setStyleSheet(
      QStringLiteral("background: %1; border: 1px solid #555;").arg(colour.name(QColor::HexRgb)));
  source_ = source;
  ShowCaption();
}

void SurfaceImageView::ShowCaption() {
  if (!source_) return;
  const UsedSource& source = *source_;
  caption_->setText(
      source.number == 1
          ? tr("Источник 1: наклон %1°").arg(AngleText(source.aim.slantDegrees))
          : tr("Источник %1: наклон %2°, поворот %3°")
                .arg(source.number)
                .arg(AngleText(source.aim.slantDegrees), AngleText(source.aim.tiltDegrees)));
}

QString SurfaceImageView::Caption() const { return caption_->text(); }
