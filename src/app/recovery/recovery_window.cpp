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

#include "app/picture/background_pass.h"
#include "app/picture/image_picture.h"
#include "app/recovery/recovery_controls.h"
#include "app/recovery/recovery_picture.h"
#include "app/recovery/relief_view.h"
#include "figure/recovery_pictures.h"
#include "pass/job_runner.h"
#include "photoset/photo_set.h"

namespace {

constexpr double kDefaultLightSlant = 45.0;
constexpr double kDefaultLightTilt = 45.0;
constexpr QSize kStartSize(1060, 640);

QString Number(double value) {
  return std::isfinite(value) ? QLocale().toString(value, 'g', 4) : QStringLiteral("—");
}

QDoubleSpinBox* AngleBox(double degrees, double low, double high, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setRange(low, high);
  box->setDecimals(1);
  box->setSuffix(QStringLiteral("°"));
  box->setValue(degrees);
  return box;
}

}  // namespace

RecoveryWindow::RecoveryWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("RecoveryWindow"));
  setWindowTitle(tr("Восстановление формы"));
  controls_ = new RecoveryControls(this);
  figures_ = new QLabel(this);
  figures_->setObjectName(QStringLiteral("RecoveryFigures"));
  figures_->setWordWrap(true);
  figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* left = new QVBoxLayout;
  left->addWidget(controls_);
  left->addWidget(figures_);
  left->addWidget(MakeExportButtons());
  if (QPushButton* relief = MakeReliefButton(*this)) left->addWidget(relief);
  left->addStretch(1);

  view_ = new QComboBox(this);
  view_->setObjectName(QStringLiteral("RecoveryView"));
  view_->addItem(tr("Альбедо"), static_cast<int>(RecoveryView::kAlbedo));
  view_->addItem(tr("Карта нормалей"), static_cast<int>(RecoveryView::kNormalMap));
  view_->addItem(tr("Иглы нормалей на снимке 1"), static_cast<int>(RecoveryView::kNeedles));
  view_->addItem(tr("Высота, освещённая законом"), static_cast<int>(RecoveryView::kHeight));
  view_->addItem(tr("Ошибка нормалей"), static_cast<int>(RecoveryView::kError));
  view_->setCurrentIndex(static_cast<int>(RecoveryView::kError));
  lightSlant_ = AngleBox(kDefaultLightSlant, 0.0, 89.0, this);
  lightSlant_->setObjectName(QStringLiteral("RecoveryLightSlant"));
  lightTilt_ = AngleBox(kDefaultLightTilt, -360.0, 360.0, this);
  lightTilt_->setObjectName(QStringLiteral("RecoveryLightTilt"));
  auto* viewRow = new QHBoxLayout;
  viewRow->addWidget(new QLabel(tr("Показать:"), this));
  viewRow->addWidget(view_, 1);
  viewRow->addWidget(new QLabel(tr("свет: наклон"), this));
  viewRow->addWidget(lightSlant_);
  viewRow->addWidget(new QLabel(tr("азимут"), this));
  viewRow->addWidget(lightTilt_);
  picture_ = new RecoveryPicture(this);
  cellText_ =
      new QLabel(tr("Щелчок по рисунку выбирает точку: её нормаль отмечается на карте."), this);
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
  connect(view_, &QComboBox::currentIndexChanged, this, &RecoveryWindow::UpdatePicture);
  connect(lightSlant_, &QDoubleSpinBox::valueChanged, this, &RecoveryWindow::UpdatePicture);
  connect(lightTilt_, &QDoubleSpinBox::valueChanged, this, &RecoveryWindow::UpdatePicture);
  connect(picture_, &RecoveryPicture::CellChosen, this, &RecoveryWindow::ChooseCell);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [this] {
    if (Running()) {
      Cancel();
    } else {
      close();
    }
  });
  ShowFigures();
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
  auto read = std::make_shared<std::variant<RecoveryImages, std::string>>();
  controls_->SetRunning(true);
  pass_->Start([folder, read] { *read = ReadPhotoSet(folder); },
               [this, folder, read] {
                 controls_->SetRunning(false);
                 if (auto* message = std::get_if<std::string>(read.get())) {
                   QMessageBox::warning(this, windowTitle(), QString::fromStdString(*message));
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
    figures_->setText(
        QStringLiteral("<p style='color:#b00000'>%1</p>").arg(outcome->error.toHtmlEscaped()) +
        figures_->text());
    return;
  }
  outcome_ = std::move(outcome);
  chosen_.reset();
  picture_->SetChosen(std::nullopt);
  ShowFigures();
  UpdatePicture();
  if (outcome_->error.isEmpty()) emit Recovered();
}

void RecoveryWindow::ShowView(RecoveryView view) { view_->setCurrentIndex(static_cast<int>(view)); }

void RecoveryWindow::ShowFigures() {
  const bool have = outcome_ != nullptr && outcome_->error.isEmpty();
  for (QPushButton* button : exports_) button->setEnabled(have);
  if (outcome_ == nullptr) {
    figures_->setText(
        tr("Нажмите «Восстановить»: снимки — те, что показывает окно "
           "«Поверхность», по одному на источник (добавьте источники в «Источниках», "
           "Ctrl+L; стерео нужно три)."));
    return;
  }
  if (!outcome_->error.isEmpty()) {
    figures_->setText(
        QStringLiteral("<p style='color:#b00000'>%1</p>").arg(outcome_->error.toHtmlEscaped()));
    return;
  }
  if (!outcome_->report) {
    figures_->setText(tr("Истинная поверхность неизвестна: ошибки не измерить.<br>"
                         "Восстановлено пикселей: %1")
                          .arg(QLocale().toString(
                              static_cast<qlonglong>(outcome_->shape.normals.RecoveredCells()))));
    return;
  }
  const RecoveryReport& r = *outcome_->report;
  figures_->setText(tr("<table>"
                       "<tr><td>Угловая ошибка нормалей, средняя:</td><td>%1°</td></tr>"
                       "<tr><td>Угловая ошибка нормалей, медиана:</td><td>%2°</td></tr>"
                       "<tr><td>СКО высоты (средние совмещены):</td><td>%3 (%4 % размаха)</td></tr>"
                       "<tr><td>Средняя ошибка высоты:</td><td>%5</td></tr>"
                       "<tr><td>Разброс ошибки высоты:</td><td>%6</td></tr>"
                       "<tr><td>Средняя ошибка градиента:</td><td>%7</td></tr>"
                       "<tr><td>Восстановлено пикселей:</td><td>%8</td></tr></table>")
                        .arg(Number(r.meanAngularErrorDeg), Number(r.medianAngularErrorDeg),
                             Number(r.depthRms), Number(r.depthRmsPercent),
                             Number(r.meanDepthError), Number(r.stdDepthError),
                             Number(r.meanGradientError),
                             QLocale().toString(static_cast<qlonglong>(r.recoveredPixels))));
}

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

void RecoveryWindow::UpdatePicture() {
  const auto view = static_cast<RecoveryView>(view_->currentData().toInt());
  lightSlant_->setEnabled(view == RecoveryView::kHeight);
  lightTilt_->setEnabled(view == RecoveryView::kHeight);
  if (outcome_ == nullptr || !outcome_->error.isEmpty()) {
    picture_->Clear();
    return;
  }
  const RecoveredNormals& normals = outcome_->shape.normals;
  switch (view) {
    case RecoveryView::kAlbedo:
      picture_->Show(AlbedoImage(normals), nullptr, std::nullopt);
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
        cellText_->setText(tr("Истинная поверхность неизвестна: карта ошибок не строится."));
        break;
      }
      const double top = ErrorScaleTop(outcome_->angleErrors);
      picture_->Show(AngleErrorImage(outcome_->angleErrors, normals.width, normals.height, top),
                     nullptr, top);
      break;
  }
}
