#pragma once
// A plot in a window: a Qt Charts view of a CurvePlot, the curves' point at the pointer's x
// (of the curve nearest it) in a line below it (in the user's number format, with the curve's name
// when there are several), and a context menu to save the plot (PNG, SVG or PDF) or its data (CSV).
//
//   SetPlot(plot, csv) -> the chart shown; pointer -> the curve's point -> «x = …, y = …»;
//   menu -> PlotFiles

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "plots/curve_chart.h"

class QChartView;
class QLabel;
class QMenu;

class PlotView final : public QWidget {
  Q_OBJECT
 public:
  explicit PlotView(QWidget* parent = nullptr);

  void SetPlot(const CurvePlot& plot, std::string csv);
  const CurvePlot& Plot() const { return plot_; }
  const std::string& Csv() const { return csv_; }
  QChartView& ChartView() const { return *view_; }
  // The line under the plot: the curves' point at the pointer, or empty.
  QString PointerText() const;
  QMenu& Menu() const { return *menu_; }

  // Replaces the file dialogs (tests pick the path themselves): the path for a plot or for data.
  using PathPicker = std::function<QString(bool data)>;
  void SetPathPicker(PathPicker picker) { pickPath_ = std::move(picker); }
  // Writes the plot (by the name's extension: .png, .svg or .pdf) or the data (.csv) to `path`;
  // a failure is a message box and changes nothing. True when written.
  bool SavePlot(const QString& path);
  bool SaveData(const QString& path);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString AskPath(bool data);
  std::optional<std::pair<size_t, QPointF>> NearestPoint(QPointF at) const;

  QChartView* view_ = nullptr;
  QLabel* pointer_ = nullptr;
  QMenu* menu_ = nullptr;
  CurvePlot plot_;
  std::string csv_;
  PathPicker pickPath_;
};
