// What the recovery window gives out: the chosen cell's orientations, and the results saved as
// files (each written whole or not at all), or the figures as the renderer's report.

#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <cmath>

#include "app/language/translated_texts.h"
#include "app/picture/file_error_text.h"
#include "app/recovery/recovery_picture.h"
#include "app/recovery/recovery_window.h"
#include "elevation/elevation_encoding.h"
#include "figure/png_bytes.h"
#include "figure/recovery_pictures.h"
#include "fileio/whole_file.h"

namespace {

QString Number(double value) { return QLocale().toString(value, 'g', 4); }

size_t CellIndex(const RecoveryOutcome& outcome, QPoint cell) {
  return static_cast<size_t>(cell.y()) * outcome.shape.normals.width + cell.x();
}

std::optional<Gradient> RecoveredAt(const RecoveryOutcome& outcome, QPoint cell) {
  const RecoveredNormals& normals = outcome.shape.normals;
  const size_t index = CellIndex(outcome, cell);
  if (!normals.Has(index)) return std::nullopt;
  return Gradient{normals.p[index], normals.q[index]};
}

std::optional<Gradient> TruthAt(const RecoveryOutcome& outcome, QPoint cell) {
  if (outcome.truth == nullptr) return std::nullopt;
  const Gradient truth = outcome.truth->gradients.pq[CellIndex(outcome, cell)];
  if (std::isnan(truth.p)) return std::nullopt;
  return truth;
}

}  // namespace

double RecoveryWindow::ChosenErrorTop() const {
  const double typed = errorTop_->value();
  return ChosenErrorScaleTop(typed > 0.0 ? std::optional<double>(typed) : std::nullopt,
                             outcome_->angleErrors);
}

void RecoveryWindow::SetPathPicker(std::function<QString(RecoveryExport)> picker) {
  pickPath_ = std::move(picker);
}

QWidget* RecoveryWindow::MakeExportButtons() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  const std::pair<RecoveryExport, const char*> buttons[] = {
      {RecoveryExport::kHeight, QT_TRANSLATE_NOOP("RecoveryWindow", "Сохранить высоту…")},
      {RecoveryExport::kNormals, QT_TRANSLATE_NOOP("RecoveryWindow", "Сохранить карту нормалей…")},
      {RecoveryExport::kAlbedo, QT_TRANSLATE_NOOP("RecoveryWindow", "Сохранить альбедо…")},
      {RecoveryExport::kReport, QT_TRANSLATE_NOOP("RecoveryWindow", "Сохранить отчёт…")},
      {RecoveryExport::kErrorMap, QT_TRANSLATE_NOOP("RecoveryWindow", "Сохранить карту ошибок…")},
  };
  for (const auto& [what, text] : buttons) {
    auto* button = new QPushButton(box);
    TranslatedTexts::Of(*this).Keep(button, &QPushButton::setText, "RecoveryWindow", text);
    button->setObjectName(QStringLiteral("RecoveryExport%1").arg(static_cast<int>(what)));
    connect(button, &QPushButton::clicked, this, [this, what = what] { AskExport(what); });
    layout->addWidget(button);
    exports_.push_back(button);
  }
  return box;
}

std::string RecoveryWindow::ReportText() const {
  if (outcome_ == nullptr || !outcome_->error.isEmpty()) return {};
  if (outcome_->report) return FormatRecoveryReport(*outcome_->report);
  return "recovered_pixels=" + std::to_string(outcome_->shape.normals.RecoveredCells()) + "\n";
}

void RecoveryWindow::AskExport(RecoveryExport what) {
  QString path;
  if (pickPath_) {
    path = pickPath_(what);
  } else {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const struct {
      const char* name;
      QString filters;
    } kinds[] = {
        {QT_TRANSLATE_NOOP("RecoveryWindow", "высота.tif"),
         tr("GeoTIFF (*.tif *.tiff);;Сетка ASCII (*.asc)")},
        {QT_TRANSLATE_NOOP("RecoveryWindow", "нормали.png"), tr("Рисунок PNG (*.png)")},
        {QT_TRANSLATE_NOOP("RecoveryWindow", "альбедо.png"), tr("Рисунок PNG (*.png)")},
        {QT_TRANSLATE_NOOP("RecoveryWindow", "отчёт.txt"), tr("Текст (*.txt)")},
        {QT_TRANSLATE_NOOP("RecoveryWindow", "ошибки.png"), tr("Рисунок PNG (*.png)")},
    };
    const auto& kind = kinds[static_cast<int>(what)];
    path = QFileDialog::getSaveFileName(
        this, tr("Сохранить"),
        QDir(folder).filePath(QCoreApplication::translate("RecoveryWindow", kind.name)),
        kind.filters);
  }
  if (!path.isEmpty()) Export(what, path);
}

bool RecoveryWindow::Export(RecoveryExport what, const QString& path) {
  if (outcome_ == nullptr || !outcome_->error.isEmpty()) return false;
  std::optional<std::string> bytes;
  QString fault;
  switch (what) {
    case RecoveryExport::kHeight:
      if (const auto format = ElevationFormatOf(path.toStdString())) {
        bytes = EncodeElevationModel(outcome_->shape.heights, *format);
      } else {
        fault = tr("высота пишется в файл .tif или .asc");
      }
      break;
    case RecoveryExport::kNormals:
      bytes = PngFile(NormalMapImage(outcome_->shape.normals));
      break;
    case RecoveryExport::kAlbedo:
      bytes = PngFile(AlbedoPicture());
      break;
    case RecoveryExport::kReport:
      bytes = ReportText();
      break;
    case RecoveryExport::kErrorMap:
      if (outcome_->angleErrors.empty()) {
        fault = tr("истинная поверхность неизвестна, карты ошибок нет");
        break;
      }
      bytes = PngFile(ErrorMapFigure(outcome_->angleErrors, outcome_->shape.normals.width,
                                     outcome_->shape.normals.height, ChosenErrorTop(), QLocale()));
      break;
  }
  if (!bytes && fault.isEmpty()) fault = tr("не удалось закодировать данные");
  if (bytes) {
    if (const std::optional<WriteFailure> failure =
            WriteWholeFile(path, *bytes, FifoOpening::kFailWithoutReader)) {
      fault = FileWriteReason(*failure, path);
    }
  }
  if (fault.isEmpty()) return true;
  QMessageBox::warning(
      this, windowTitle(),
      tr("Не удалось сохранить файл «%1»: %2.").arg(QDir::toNativeSeparators(path), fault));
  return false;
}

void RecoveryWindow::ChooseCell(QPoint cell) {
  if (outcome_ == nullptr || !outcome_->error.isEmpty()) return;
  const std::optional<Gradient> recovered = RecoveredAt(*outcome_, cell);
  const std::optional<Gradient> truth = TruthAt(*outcome_, cell);
  chosen_ = cell;
  picture_->SetChosen(cell);
  ShowCellText([this, cell] { return CellText(cell); });
  emit PixelChosen(truth, recovered);
}

// The chosen cell's orientations in the last recovery, and the angle between them.
QString RecoveryWindow::CellText(QPoint cell) const {
  const std::optional<Gradient> recovered = RecoveredAt(*outcome_, cell);
  const std::optional<Gradient> truth = TruthAt(*outcome_, cell);
  const size_t index = CellIndex(*outcome_, cell);
  QString text = tr("Точка (столбец %1, строка %2): ").arg(cell.x()).arg(cell.y());
  text += recovered
              ? tr("восстановлено p = %1, q = %2").arg(Number(recovered->p), Number(recovered->q))
              : tr("не восстановлена");
  if (truth) text += tr("; истинно p = %1, q = %2").arg(Number(truth->p), Number(truth->q));
  if (!outcome_->angleErrors.empty() && std::isfinite(outcome_->angleErrors[index])) {
    text += tr("; угол между нормалями %1°").arg(Number(outcome_->angleErrors[index]));
  }
  return text + QStringLiteral(".");
}
