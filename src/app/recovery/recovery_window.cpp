#include "app/recovery/recovery_window.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <cmath>

#include "app/language/translated_texts.h"
#include "app/picture/background_pass.h"
#include "app/picture/image_picture.h"
#include "app/recovery/ball_lights_box.h"
#include "app/recovery/recovery_controls.h"
#include "app/recovery/recovery_picture.h"
#include "app/recovery/relief_view.h"
#include "figure/recovery_pictures.h"
#include "messages/translated_message.h"
#include "pass/job_runner.h"
#include "photoset/photo_set.h"

namespace {

constexpr double kDefaultLightSlant = 45.0;
constexpr double kDefaultLightTilt = 45.0;
constexpr QSize kStartSize(1060, 640);

QDoubleSpinBox* AngleBox(double degrees, double low, double high, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setRange(low, high);
  box->setDecimals(1);
  box->setSuffix(QStringLiteral("°"));
  box->setValue(degrees);
  return box;
}

constexpr const char* kContext = "RecoveryWindow";

}  // namespace

RecoveryWindow::RecoveryWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("RecoveryWindow"));
  TranslatedTexts& texts = TranslatedTexts::Of(*this);
  texts.Keep(static_cast<QWidget*>(this), &QWidget::setWindowTitle, kContext,
             QT_TRANSLATE_NOOP("RecoveryWindow", "Восстановление формы"));
  controls_ = new RecoveryControls(this);
  ball_ = new BallLightsBox(this);
  figures_ = new QLabel(this);
  figures_->setObjectName(QStringLiteral("RecoveryFigures"));
  figures_->setWordWrap(true);
  figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* left = new QVBoxLayout;
  left->addWidget(controls_);
  left->addWidget(ball_);
  left->addWidget(figures_);
  left->addWidget(MakeExportButtons());
  if (QPushButton* relief = MakeReliefButton(*this)) left->addWidget(relief);
  left->addStretch(1);

  view_ = new QComboBox(this);
  view_->setObjectName(QStringLiteral("RecoveryView"));
  for (const RecoveryView view :
       {RecoveryView::kAlbedo, RecoveryView::kNormalMap, RecoveryView::kNeedles,
        RecoveryView::kHeight, RecoveryView::kError}) {
    view_->addItem(QString(), static_cast<int>(view));
  }
  KeepItemTexts(*view_, kContext,
                {QT_TRANSLATE_NOOP("RecoveryWindow", "Альбедо"),
                 QT_TRANSLATE_NOOP("RecoveryWindow", "Карта нормалей"),
                 QT_TRANSLATE_NOOP("RecoveryWindow", "Иглы нормалей на снимке 1"),
                 QT_TRANSLATE_NOOP("RecoveryWindow", "Высота, освещённая законом"),
                 QT_TRANSLATE_NOOP("RecoveryWindow", "Ошибка нормалей")});
  view_->setCurrentIndex(static_cast<int>(RecoveryView::kError));
  lightSlant_ = AngleBox(kDefaultLightSlant, 0.0, 89.0, this);
  lightSlant_->setObjectName(QStringLiteral("RecoveryLightSlant"));
  lightTilt_ = AngleBox(kDefaultLightTilt, -360.0, 360.0, this);
  lightTilt_->setObjectName(QStringLiteral("RecoveryLightTilt"));
  // The error map's top in degrees; «авто» (0) takes a round number above 95% of the errors.
  errorTop_ = AngleBox(0.0, 0.0, 180.0, this);
  errorTop_->setObjectName(QStringLiteral("RecoveryErrorTop"));
  TranslatedTexts::Of(*this).Keep(errorTop_, &QDoubleSpinBox::setSpecialValueText, kContext,
                                  QT_TRANSLATE_NOOP("RecoveryWindow", "авто"));
  auto* viewRow = new QHBoxLayout;
  viewRow->addWidget(
      TranslatedLabel(*this, kContext, QT_TRANSLATE_NOOP("RecoveryWindow", "Показать:")));
  viewRow->addWidget(view_, 1);
  viewRow->addWidget(
      TranslatedLabel(*this, kContext, QT_TRANSLATE_NOOP("RecoveryWindow", "свет: наклон")));
  viewRow->addWidget(lightSlant_);
  viewRow->addWidget(
      TranslatedLabel(*this, kContext, QT_TRANSLATE_NOOP("RecoveryWindow", "азимут")));
  viewRow->addWidget(lightTilt_);
  viewRow->addWidget(
      TranslatedLabel(*this, kContext, QT_TRANSLATE_NOOP("RecoveryWindow", "шкала до")));
  viewRow->addWidget(errorTop_);
  picture_ = new RecoveryPicture(this);
  cellText_ = new QLabel(this);
  cellText_->setObjectName(QStringLiteral("RecoveryCellText"));
  cellText_->setWordWrap(true);
  auto* right = new QVBoxLayout;
  right->addLayout(viewRow);
  right->addWidget(picture_, 1);
  right->addWidget(cellText_);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addLayout(right, 1);

  runner_ = std::make_unique<JobRunner>();
  pass_ = new BackgroundPass(*runner_, *picture_, this);
  connect(controls_, &RecoveryControls::RunRequested, this, &RecoveryWindow::Run);
  connect(controls_, &RecoveryControls::CancelRequested, this, &RecoveryWindow::Cancel);
  connect(controls_, &RecoveryControls::FolderChosen, this, &RecoveryWindow::OpenFolder);
  connect(ball_, &BallLightsBox::FolderChosen, this, &RecoveryWindow::OpenBallFolder);
  connect(ball_, &BallLightsBox::UseRequested, this, &RecoveryWindow::UseBallLights);
  connect(view_, &QComboBox::currentIndexChanged, this, &RecoveryWindow::UpdatePicture);
  connect(lightSlant_, &QDoubleSpinBox::valueChanged, this, &RecoveryWindow::UpdatePicture);
  connect(lightTilt_, &QDoubleSpinBox::valueChanged, this, &RecoveryWindow::UpdatePicture);
  connect(errorTop_, &QDoubleSpinBox::valueChanged, this, &RecoveryWindow::UpdatePicture);
  connect(picture_, &RecoveryPicture::CellChosen, this, &RecoveryWindow::ChooseCell);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] {
    if (Running()) {
      Cancel();
    } else {
      close();
    }
  });
  texts.Keep([this] { RetranslateUi(); });
  // Room for a 256-cell field at two pixels a cell, within the screen.
  const QRect screenArea = screen() != nullptr ? screen()->availableGeometry() : QRect();
  QSize wanted = sizeHint().expandedTo(kStartSize);
  if (screenArea.isValid()) wanted = wanted.boundedTo(screenArea.size() * 9 / 10);
  resize(wanted);
}

RecoveryWindow::~RecoveryWindow() {
  pass_->Cancel();
  runner_.reset();  // waits for a job under way to stop
}

void RecoveryWindow::SetSnapshotSource(std::function<std::optional<SurfaceSnapshot>()> source) {
  snapshot_ = std::move(source);
}

bool RecoveryWindow::Running() const { return pass_->Running(); }

void RecoveryWindow::Run() {
  RecoveryRequest request;
  request.method = controls_->Method();
  request.integrator = controls_->ChosenIntegrator();
  request.camera = controls_->Camera();
  request.photos = controls_->Photos();
  const std::optional<SurfaceSnapshot> snapshot = snapshot_ ? snapshot_() : std::nullopt;
  if (snapshot) {
    request.law = snapshot->law;
    request.scene = snapshot->scene;
    request.sources = snapshot->sources;
  }
  auto outcome = std::make_shared<RecoveryOutcome>();
  controls_->SetRunning(true);
  pass_->Start([request = std::move(request), outcome] { *outcome = RunRecovery(request); },
               [this, outcome] { ShowOutcome(outcome); });
}

void RecoveryWindow::OpenFolder(const QString& folder) {
  auto read = std::make_shared<std::variant<RecoveryImages, Message>>();
  controls_->SetRunning(true);
  pass_->Start([folder, read] { *read = ReadPhotoSetSaid(folder); },
               [this, folder, read] {
                 controls_->SetRunning(false);
                 if (auto* message = std::get_if<Message>(read.get())) {
                   QMessageBox::warning(this, windowTitle(), TranslatedMessage(*message));
                   return;
                 }
                 controls_->SetPhotos(std::make_shared<const RecoveryImages>(
                                          std::move(std::get<RecoveryImages>(*read))),
                                      folder);
               });
}

void RecoveryWindow::Cancel() {
  pass_->Cancel();
  controls_->SetRunning(false);
}

void RecoveryWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) Cancel();
}

void RecoveryWindow::ShowOutcome(std::shared_ptr<RecoveryOutcome> outcome) {
  controls_->SetRunning(false);
  if (!outcome->error.isEmpty() && outcome_ != nullptr) {
    // A message, and the last recovery stays shown.
    ShowFigures();
    figures_->setText(QStringLiteral("<p style='color:#b00000'>%1</p>")
                          .arg(TranslatedMessage(outcome->errorSaid).toHtmlEscaped()) +
                      figures_->text());
    return;
  }
  outcome_ = std::move(outcome);
  chosen_.reset();
  ShowCellText({});  // the cell chosen in the last recovery is gone
  picture_->SetChosen(std::nullopt);
  ShowFigures();
  UpdatePicture();
  if (outcome_->error.isEmpty()) emit Recovered();
}

void RecoveryWindow::ShowView(RecoveryView view) { view_->setCurrentIndex(static_cast<int>(view)); }

QImage RecoveryWindow::FirstImage() const {
  const RecoveryImages& images = *outcome_->images;
  QImage image(images.width, images.height, QImage::Format_Grayscale8);
  for (int row = 0; row < images.height; ++row) {
    uchar* line = image.scanLine(row);
    for (int column = 0; column < images.width; ++column) {
      const double value =
          images.intensity.front()[static_cast<size_t>(row) * images.width + column];
      line[column] = std::isfinite(value)
                         ? static_cast<uchar>(std::lround(std::clamp(value, 0.0, 1.0) * 255))
                         : 0;
    }
  }
  return image;
}

QImage RecoveryWindow::HeightImage() const {
  const SurfaceScene scene = MakeScene(outcome_->shape.heights);
  QImage image = BlankPictureImage(QSize(scene.field.width, scene.field.height), 1);
  ImagePicture picture(image);
  PaintSurfaceImage(outcome_->law, scene, LightAim{lightSlant_->value(), lightTilt_->value()}, {},
                    picture);
  return image;
}

// Each channel's albedo from colour photographs; the grey albedo otherwise.
QImage RecoveryWindow::AlbedoPicture() const {
  const RecoveredNormals& normals = outcome_->shape.normals;
  const ColourAlbedoChannels colour = outcome_->images != nullptr
                                          ? ColourAlbedo(*outcome_->images, normals)
                                          : ColourAlbedoChannels{};
  return colour[0].empty() ? AlbedoImage(normals)
                           : ColourAlbedoImage(colour, normals.width, normals.height);
}

void RecoveryWindow::UpdatePicture() {
  const auto view = static_cast<RecoveryView>(view_->currentData().toInt());
  lightSlant_->setEnabled(view == RecoveryView::kHeight);
  lightTilt_->setEnabled(view == RecoveryView::kHeight);
  errorTop_->setEnabled(view == RecoveryView::kError);
  if (outcome_ == nullptr || !outcome_->error.isEmpty()) {
    picture_->Clear();
    return;
  }
  const RecoveredNormals& normals = outcome_->shape.normals;
  switch (view) {
    case RecoveryView::kAlbedo:
      picture_->Show(AlbedoPicture(), nullptr, std::nullopt);
      break;
    case RecoveryView::kNormalMap:
      picture_->Show(NormalMapImage(normals), nullptr, std::nullopt);
      break;
    case RecoveryView::kNeedles:
      picture_->Show(FirstImage(), &normals, std::nullopt);
      break;
    case RecoveryView::kHeight:
      picture_->Show(HeightImage(), nullptr, std::nullopt);
      break;
    case RecoveryView::kError:
      if (outcome_->angleErrors.empty()) {
        picture_->Show(NormalMapImage(normals), nullptr, std::nullopt);
        ShowCellText(
            [] { return tr("Истинная поверхность неизвестна: карта ошибок не строится."); });
        break;
      }
      const double top = ChosenErrorTop();
      picture_->Show(AngleErrorImage(outcome_->angleErrors, normals.width, normals.height, top),
                     nullptr, top);
      break;
  }
}
