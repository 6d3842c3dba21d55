#include "app/curves/plot_view.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <cmath>
#include <limits>
#include <variant>

#include "app/common/locale_numbers.h"
#include "app/curves/plot_axes_row.h"
#include "app/curves/plot_files.h"
#include "app/language/translated_texts.h"

PlotView::PlotView(QWidget* parent) : QWidget(parent) {
  view_ = new QChartView(this);
  view_->setObjectName(QStringLiteral("PlotChart"));
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setMinimumSize(480, 320);
  view_->setMouseTracking(true);
  view_->viewport()->installEventFilter(this);
  pointer_ = new QLabel(this);
  pointer_->setObjectName(QStringLiteral("PlotPointer"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  axes_ = new PlotAxesRow(this);
  connect(axes_, &PlotAxesRow::Applied, this, &PlotView::ApplyAxes);
  layout->addWidget(view_, 1);
  layout->addWidget(axes_);
  layout->addWidget(pointer_);
  menu_ = new QMenu(this);
  TranslatedTexts& texts = TranslatedTexts::Of(*this);
  QAction* savePlot = menu_->addAction(QString());
  texts.Keep(savePlot, &QAction::setText, "PlotView",
             QT_TRANSLATE_NOOP("PlotView", "Сохранить график…"));
  savePlot->setObjectName(QStringLiteral("SavePlot"));
  connect(savePlot, &QAction::triggered, this, [this] {
    const QString path = AskPath(false);
    if (!path.isEmpty()) SavePlot(path);
  });
  QAction* saveSized = menu_->addAction(QString());
  texts.Keep(saveSized, &QAction::setText, "PlotView",
             QT_TRANSLATE_NOOP("PlotView", "Сохранить график размером…"));
  saveSized->setObjectName(QStringLiteral("SavePlotSized"));
  connect(saveSized, &QAction::triggered, this, &PlotView::SavePlotAtTypedSize);
  QAction* saveData = menu_->addAction(QString());
  texts.Keep(saveData, &QAction::setText, "PlotView",
             QT_TRANSLATE_NOOP("PlotView", "Сохранить данные (CSV)…"));
  saveData->setObjectName(QStringLiteral("SaveData"));
  connect(saveData, &QAction::triggered, this, [this] {
    const QString path = AskPath(true);
    if (!path.isEmpty()) SaveData(path);
  });
  view_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(view_, &QWidget::customContextMenuRequested, this,
          [this](QPoint at) { menu_->popup(view_->mapToGlobal(at)); });
}

void PlotView::SetPlot(const CurvePlot& plot, std::string csv) {
  plot_ = plot;
  plot_.locale = UserLocale();
  csv_ = std::move(csv);
  Show();
}

void PlotView::SetLineWidth(int width) {
  if (width == lineWidth_) return;
  lineWidth_ = width;
  Show();
}

bool PlotView::ApplyAxes(const AxisTexts& texts) {
  const std::variant<AxisRanges, QString> read = ReadAxisRanges(texts, plot_);
  if (const QString* reason = std::get_if<QString>(&read)) {
    QMessageBox::warning(
        this, window()->windowTitle(),
        QCoreApplication::translate("PlotView", "Диапазон осей не изменён: %1.").arg(*reason));
    axes_->Show(ranges_);
    return false;
  }
  ranges_ = std::get<AxisRanges>(read);
  Show();
  return true;
}

void PlotView::Show() {
  axes_->SetLogRefusal(LogRefusal(plot_));
  shown_ = ShapedByRanges(plot_, ranges_);
  shown_.lineWidth = lineWidth_;
  shown_.fontScale = (2.0 + lineWidth_) / 3.0;
  view_->setChart(MakeCurveChart(shown_).release());  // the view owns it and drops the last one
  pointer_->clear();
}

QSize PlotView::ShownSize() const { return view_->viewport()->size(); }

QString PlotView::PointerText() const { return pointer_->text(); }

// The curves' point under the pointer: of each curve the sample nearest the pointer's x, of
// those the one nearest it on the screen, among the samples inside the plot area (a curve runs
// off it where the axis range ends); the curve's index and its point.
std::optional<std::pair<size_t, QPointF>> PlotView::NearestPoint(QPointF at) const {
  QChart* chart = view_->chart();
  const QRectF area = chart->plotArea();
  std::optional<std::pair<size_t, QPointF>> nearest;
  double bestY = std::numeric_limits<double>::infinity();
  for (size_t k = 0; k < plot_.series.size(); ++k) {
    std::optional<QPointF> own;
    QPointF ownShown;
    for (const QPointF& point : shown_.series[k].points) {
      if (!std::isfinite(point.x()) || !std::isfinite(point.y())) continue;
      const QPointF shown = chart->mapToPosition(point);
      if (!area.contains(shown)) continue;
      if (!own || std::fabs(shown.x() - at.x()) < std::fabs(ownShown.x() - at.x())) {
        own = point;
        ownShown = shown;
      }
    }
    if (own && std::fabs(ownShown.y() - at.y()) < bestY) {
      bestY = std::fabs(ownShown.y() - at.y());
      nearest = {k, *own};
    }
  }
  return nearest;
}

bool PlotView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_->viewport() && event->type() == QEvent::MouseMove && view_->chart()) {
    const QPointF at = static_cast<QMouseEvent*>(event)->position();
    const std::optional<std::pair<size_t, QPointF>> nearest =
        view_->chart()->plotArea().contains(at) ? NearestPoint(at) : std::nullopt;
    if (nearest) {
      const QLocale locale = UserLocale();
      QString text =
          QStringLiteral("%1 = %2,  %3 = %4")
              .arg(plot_.xTitle.section(u',', 0, 0), locale.toString(nearest->second.x(), 'f', 2),
                   plot_.yTitle, locale.toString(nearest->second.y(), 'f', 4));
      if (plot_.series.size() > 1)
        text += QStringLiteral("  (%1)").arg(plot_.series[nearest->first].name);
      pointer_->setText(text);
    } else {
      pointer_->clear();
    }
  }
  return QWidget::eventFilter(watched, event);
}

QString PlotView::AskPath(bool data) {
  if (pickPath_) return pickPath_(data);
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString proposed =
      QDir(folder).filePath(data ? QCoreApplication::translate("PlotView", "кривая.csv")
                                 : QCoreApplication::translate("PlotView", "кривая.png"));
  const QString filters =
      data ? QCoreApplication::translate("PlotView", "Данные CSV (*.csv)")
           : QCoreApplication::translate("PlotView",
                                         "Рисунок PNG (*.png);;Рисунок SVG (*.svg);;"
                                         "Документ PDF (*.pdf)");
  return QFileDialog::getSaveFileName(
      this,
      data ? QCoreApplication::translate("PlotView", "Сохранить данные")
           : QCoreApplication::translate("PlotView", "Сохранить график"),
      proposed, filters);
}

void PlotView::SavePlotAtTypedSize() {
  const QSize shown = ShownSize();
  const QString proposed = QStringLiteral("%1×%2").arg(shown.width()).arg(shown.height());
  std::optional<QString> typed;
  if (askSize_) {
    typed = askSize_(proposed);
  } else {
    bool ok = false;
    const QString text = QInputDialog::getText(
        this, QCoreApplication::translate("PlotView", "Сохранить график размером"),
        QCoreApplication::translate("PlotView", "Ширина × высота, пикселей:"), QLineEdit::Normal,
        proposed, &ok);
    if (ok) typed = text;
  }
  if (!typed) return;
  const std::variant<QSize, QString> size = ReadPlotSize(*typed);
  if (const QString* reason = std::get_if<QString>(&size)) {
    QMessageBox::warning(this, window()->windowTitle(),
                         QCoreApplication::translate("PlotView", "Размер «%1» не подходит: %2.")
                             .arg(*typed, *reason));
    return;
  }
  const QString path = AskPath(false);
  if (!path.isEmpty()) SavePlot(path, std::get<QSize>(size));
}

bool PlotView::SavePlot(const QString& path) { return SavePlot(path, ShownSize()); }

bool PlotView::SavePlot(const QString& path, QSize size) {
  if (const std::optional<QString> reason = WritePlotFile(shown_, path, size)) {
    QMessageBox::warning(
        this, window()->windowTitle(),
        QCoreApplication::translate("PlotView", "Не удалось сохранить график в файл «%1»: %2.")
            .arg(QDir::toNativeSeparators(path), *reason));
    return false;
  }
  return true;
}

bool PlotView::SaveData(const QString& path) {
  if (const std::optional<QString> reason = WriteDataFile(csv_, path)) {
    QMessageBox::warning(
        this, window()->windowTitle(),
        QCoreApplication::translate("PlotView", "Не удалось сохранить данные в файл «%1»: %2.")
            .arg(QDir::toNativeSeparators(path), *reason));
    return false;
  }
  return true;
}
