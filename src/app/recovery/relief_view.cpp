#include "app/recovery/relief_view.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <QtDataVisualization/Q3DSurface>
#include <QtDataVisualization/Q3DTheme>
#include <QtDataVisualization/QSurface3DSeries>
#include <QtDataVisualization/QSurfaceDataProxy>
#include <QtDataVisualization/QValue3DAxis>
#include <algorithm>
#include <cmath>
#include <limits>

#include "app/recovery/recovery_window.h"
#include "recovery/recovery_report.h"

namespace {

// Cells a side: enough to see the shape, few enough to turn smoothly without a graphics card.
constexpr int kLargestSide = 160;

// The heights the surface shows: `shift` added, cells without data at `floor`.
QSurfaceDataArray* ReliefRows(const HeightField& field, const ReliefCells& cells, double shift,
                              double floor) {
  auto* rows = new QSurfaceDataArray;
  rows->reserve(static_cast<int>(cells.rows.size()));
  for (const int row : cells.rows) {
    auto* line = new QSurfaceDataRow(static_cast<int>(cells.columns.size()));
    const double north = (field.height - 1 - row) * field.spacingY;
    for (size_t k = 0; k < cells.columns.size(); ++k) {
      const int column = cells.columns[k];
      const double z = field.At(column, row);
      const double shown = std::isfinite(z) ? z + shift : floor;
      (*line)[static_cast<int>(k)].setPosition(
          QVector3D(static_cast<float>(column * field.spacingX), static_cast<float>(shown),
                    static_cast<float>(north)));
    }
    rows->append(line);
  }
  return rows;
}

class ReliefWindow final : public QWidget {
 public:
  explicit ReliefWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("ReliefWindow"));
    graph_ = new Q3DSurface;
    graph_->setShadowQuality(QAbstract3DGraph::ShadowQualityNone);
    graph_->scene()->activeCamera()->setCameraPreset(Q3DCamera::CameraPresetIsometricLeftHigh);
    graph_->axisX()->setTitle(QStringLiteral("x"));
    graph_->axisY()->setTitle(QStringLiteral("z"));
    graph_->axisZ()->setTitle(QStringLiteral("y"));
    for (QValue3DAxis* axis : {graph_->axisX(), graph_->axisY(), graph_->axisZ()}) {
      axis->setTitleVisible(true);
    }
    recovered_ = new QSurface3DSeries;
    recovered_->setDrawMode(QSurface3DSeries::DrawSurface);
    QLinearGradient ramp;
    ramp.setColorAt(0.0, QColor(40, 70, 150));
    ramp.setColorAt(0.5, QColor(120, 180, 120));
    ramp.setColorAt(1.0, QColor(240, 220, 160));
    recovered_->setBaseGradient(ramp);
    recovered_->setColorStyle(Q3DTheme::ColorStyleRangeGradient);
    truth_ = new QSurface3DSeries;
    truth_->setDrawMode(QSurface3DSeries::DrawWireframe);
    truth_->setWireframeColor(QColor(60, 60, 60));
    graph_->addSeries(recovered_);
    graph_->addSeries(truth_);
    showTruth_ = new QCheckBox(this);
    showTruth_->setChecked(true);
    connect(showTruth_, &QCheckBox::toggled, truth_, &QSurface3DSeries::setVisible);
    note_ = new QLabel(this);
    note_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(QWidget::createWindowContainer(graph_, this), 1);
    layout->addWidget(showTruth_);
    layout->addWidget(note_);
    Retranslate();
    resize(720, 600);
  }

  // Shows the recovered heights, and the truth (may be null) moved to the same mean height.
  void Show(const HeightField& recovered, const HeightField* truth) {
    const ReliefCells cells = ChooseReliefCells(recovered.width, recovered.height, kLargestSide);
    const bool withTruth = truth != nullptr && truth->z.size() == recovered.z.size();
    // The truth moved to the recovered heights' mean.
    const double shift = withTruth ? MeanHeightShift(recovered, *truth) : 0.0;
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const int row : cells.rows) {
      for (const int column : cells.columns) {
        const double z = recovered.At(column, row);
        const double t = withTruth ? truth->At(column, row) + shift : NAN;
        for (const double h : {z, t}) {
          if (!std::isfinite(h)) continue;
          low = std::min(low, h);
          high = std::max(high, h);
        }
      }
    }
    if (!std::isfinite(low)) low = high = 0.0;
    recovered_->dataProxy()->resetArray(ReliefRows(recovered, cells, 0.0, low));
    truth_->dataProxy()->resetArray(withTruth ? ReliefRows(*truth, cells, shift, low)
                                              : new QSurfaceDataArray);
    showTruth_->setEnabled(withTruth);
    // True proportions: the axes' spans in the grid's own units.
    const double across = (recovered.width - 1) * recovered.spacingX;
    const double along = (recovered.height - 1) * recovered.spacingY;
    const double rise = std::max(high - low, 1e-9 * std::max(across, along));
    graph_->axisX()->setRange(0.0f, static_cast<float>(std::max(across, 1e-9)));
    graph_->axisZ()->setRange(0.0f, static_cast<float>(std::max(along, 1e-9)));
    graph_->axisY()->setRange(static_cast<float>(low), static_cast<float>(low + rise));
    graph_->setAspectRatio(std::clamp(std::max(across, along) / rise, 0.5, 50.0));
    graph_->setHorizontalAspectRatio(along > 0.0 ? std::clamp(across / along, 0.05, 20.0) : 1.0);
  }

 protected:
  void changeEvent(QEvent* event) override {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
  }

 private:
  void Retranslate() {
    setWindowTitle(QCoreApplication::translate("ReliefView", "Рельеф в 3D"));
    showTruth_->setText(QCoreApplication::translate("ReliefView", "Истинная поверхность (сетка)"));
    note_->setText(QCoreApplication::translate(
        "ReliefView",
        "Высоты в истинном масштабе; истинная поверхность сдвинута к средней высоте "
        "восстановленной. Точки без ответа — на уровне самой низкой. Мышь поворачивает, "
        "колесо приближает."));
  }

  Q3DSurface* graph_ = nullptr;
  QSurface3DSeries* recovered_ = nullptr;
  QSurface3DSeries* truth_ = nullptr;
  QCheckBox* showTruth_ = nullptr;
  QLabel* note_ = nullptr;
};

class ReliefButton final : public QPushButton {
 public:
  explicit ReliefButton(RecoveryWindow& window) : QPushButton(&window), window_(window) {
    setObjectName(QStringLiteral("RecoveryRelief"));
    setText(QCoreApplication::translate("ReliefView", "Рельеф в 3D…"));
    setEnabled(false);
    connect(this, &QPushButton::clicked, this, [this] {
      if (view_ == nullptr) view_ = new ReliefWindow(&window_);
      Update();
      view_->show();
      view_->raise();
    });
    connect(&window_, &RecoveryWindow::Recovered, this, [this] {
      setEnabled(true);
      if (view_ != nullptr && view_->isVisible()) Update();
    });
  }

 protected:
  void changeEvent(QEvent* event) override {
    if (event->type() == QEvent::LanguageChange)
      setText(QCoreApplication::translate("ReliefView", "Рельеф в 3D…"));
    QPushButton::changeEvent(event);
  }

 private:
  void Update() {
    const RecoveryOutcome* outcome = window_.Outcome();
    if (outcome == nullptr || !outcome->error.isEmpty()) return;
    view_->Show(outcome->shape.heights, outcome->truth ? &outcome->truth->field : nullptr);
  }

  RecoveryWindow& window_;
  ReliefWindow* view_ = nullptr;
};

}  // namespace

QPushButton* MakeReliefButton(RecoveryWindow& window) { return new ReliefButton(window); }
