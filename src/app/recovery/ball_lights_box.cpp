#include "app/recovery/ball_lights_box.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/language/translated_texts.h"
#include "app/picture/file_error_text.h"
#include "fileio/whole_file.h"
#include "photoset/ball_set.h"

namespace {

constexpr const char* kContext = "BallLightsBox";

// Tenths of a degree; a tilt that rounds to zero from below shows as 0.0, not -0.0.
QString Degrees(double value) {
  const double tenths = std::round(value * 10.0) / 10.0;
  return QLocale().toString(tenths == 0.0 ? 0.0 : tenths, 'f', 1);
}

}  // namespace

BallLightsBox::BallLightsBox(QWidget* parent) : QGroupBox(parent) {
  setObjectName(QStringLiteral("BallLightsBox"));
  TranslatedTexts& texts = TranslatedTexts::Of(*this);
  texts.Keep(static_cast<QGroupBox*>(this), &QGroupBox::setTitle, kContext,
             QT_TRANSLATE_NOOP("BallLightsBox", "Шар-зеркало"));
  texts.Keep(static_cast<QWidget*>(this), &QWidget::setWhatsThis, kContext,
             QT_TRANSLATE_NOOP(
                 "BallLightsBox",
                 "Направления на источники по снимкам зеркального шара, по одному на источник: "
                 "в папке filenames.txt со списком снимков и mask.png, где шар не чёрный. Центр "
                 "и радиус шара дают маска, блик на каждом снимке — нормаль, а закон отражения — "
                 "направление на источник."));
  auto* folder = new QPushButton(this);
  folder->setObjectName(QStringLiteral("BallFolderButton"));
  texts.Keep(folder, &QPushButton::setText, kContext,
             QT_TRANSLATE_NOOP("BallLightsBox", "Папка шара…"));
  shown_ = new QLabel(this);
  shown_->setObjectName(QStringLiteral("BallLights"));
  shown_->setWordWrap(true);
  shown_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  write_ = new QPushButton(this);
  write_->setObjectName(QStringLiteral("BallWrite"));
  texts.Keep(write_, &QPushButton::setText, kContext,
             QT_TRANSLATE_NOOP("BallLightsBox", "Записать…"));
  texts.Keep(write_, &QWidget::setToolTip, kContext,
             QT_TRANSLATE_NOOP("BallLightsBox", "Записать направления в light_directions.txt"));
  use_ = new QPushButton(this);
  use_->setObjectName(QStringLiteral("BallUse"));
  texts.Keep(use_, &QPushButton::setText, kContext,
             QT_TRANSLATE_NOOP("BallLightsBox", "Для снимков"));
  texts.Keep(
      use_, &QWidget::setToolTip, kContext,
      QT_TRANSLATE_NOOP("BallLightsBox", "Освещать этими источниками снимки, выбранные из папки"));
  write_->setEnabled(false);
  use_->setEnabled(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(write_);
  buttons->addWidget(use_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(folder);
  layout->addWidget(shown_);
  layout->addLayout(buttons);
  connect(folder, &QPushButton::clicked, this, &BallLightsBox::AskFolder);
  connect(write_, &QPushButton::clicked, this, &BallLightsBox::AskWrite);
  connect(use_, &QPushButton::clicked, this, &BallLightsBox::UseRequested);
  texts.Keep([this] { ShowLights(); });
}

void BallLightsBox::SetLights(std::vector<LightAim> lights, const QString& folder) {
  lights_ = std::move(lights);
  folder_ = folder;
  write_->setEnabled(!lights_.empty());
  use_->setEnabled(!lights_.empty());
  ShowLights();
}

void BallLightsBox::ShowLights() {
  if (lights_.empty()) {
    shown_->clear();
    return;
  }
  QStringList lines{
      tr("%1: источников %2").arg(QDir::toNativeSeparators(folder_)).arg(lights_.size())};
  for (size_t k = 0; k < lights_.size(); ++k) {
    lines << tr("%1: наклон %2°, поворот %3°")
                 .arg(k + 1)
                 .arg(Degrees(lights_[k].slantDegrees), Degrees(lights_[k].tiltDegrees));
  }
  shown_->setText(lines.join(QLatin1Char('\n')));
}

bool BallLightsBox::WriteDirections(const QString& path) {
  const std::string text = LightDirectionsText(lights_);
  const std::optional<WriteFailure> failure =
      WriteWholeFile(path, text, FifoOpening::kFailWithoutReader);
  if (!failure) return true;
  QMessageBox::warning(this, title(),
                       tr("Не удалось сохранить файл «%1»: %2.")
                           .arg(QDir::toNativeSeparators(path), FileWriteReason(*failure, path)));
  return false;
}

void BallLightsBox::AskFolder() {
  const QString folder =
      pickPath_ ? pickPath_(true)
                : QFileDialog::getExistingDirectory(this, tr("Папка снимков зеркального шара"));
  if (!folder.isEmpty()) emit FolderChosen(folder);
}

void BallLightsBox::AskWrite() {
  const QString proposed = QDir(folder_).filePath(QStringLiteral("light_directions.txt"));
  const QString path =
      pickPath_ ? pickPath_(false)
                : QFileDialog::getSaveFileName(this, tr("Записать направления на источники"),
                                               proposed, tr("Текст (*.txt)"));
  if (!path.isEmpty()) WriteDirections(path);
}
