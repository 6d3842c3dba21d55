#pragma once
// A plot in a window: a Qt Charts view of a CurvePlot, the curves' point at the pointer's x
// (of the curve nearest it) in a line below it (in the user's number format, with the curve's name
// when there are several), and a context menu to save the plot (PNG, SVG or PDF: at the size
// shown, or at a size typed) or its data (CSV). The chart fills the view as the window is resized;
// its lines and texts grow with the main window's «Толщина линий»; the row under it takes typed
// axis ranges and a logarithmic y axis (plot_axes.h).
//
//   SetPlot(plot, csv), SetLineWidth -> the chart shown; pointer -> the curve's point ->
//   «x = …, y = …»; menu -> PlotFiles

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "app/curves/plot_axes.h"
#include "plots/curve_chart.h"

class QChartView;
class QLabel;
class QMenu;
class PlotAxesRow;

class PlotView final : public QWidget {
  Q_OBJECT
 public:
  explicit PlotView(QWidget* parent = nullptr);

  void SetPlot(const CurvePlot& plot, std::string csv);
  // The plot shown: the one set, with the typed ranges and the line width's pens and fonts.
  const CurvePlot& Plot() const { return shown_; }
  // «Толщина линий», 1 to 4: the curves' pens as the renderer's --line-width draws them, the
  // texts' fonts a third larger for each step above 1.
  void SetLineWidth(int width);
  // The axes' ranges typed (as «Применить» reads the row's boxes): a refused text is a message
  // box, the plot and the ranges unchanged, the boxes showing the ranges kept. True when taken.
  bool ApplyAxes(const AxisTexts& texts);
  const AxisRanges& Ranges() const { return ranges_; }
  PlotAxesRow& AxesRow() const { return *axes_; }
  const std::string& Csv() const { return csv_; }
  QChartView& ChartView() const { return *view_; }
  // The line under the plot: the curves' point at the pointer, or empty.
  QString PointerText() const;
  QMenu& Menu() const { return *menu_; }

  // Replaces the file dialogs (tests pick the path themselves): the path for a plot or for data.
  using PathPicker = std::function<QString(bool data)>;
  void SetPathPicker(PathPicker picker) { pickPath_ = std::move(picker); }
  // Writes the plot (by the name's extension: .png, .svg or .pdf) or the data (.csv) to `path`;
  // a failure is a message box and changes nothing. True when written. The plot at the size
  // shown, or at `size`.
  bool SavePlot(const QString& path);
  bool SavePlot(const QString& path, QSize size);
  // The chart's size on the screen, in logical pixels.
  QSize ShownSize() const;
  // Replaces the dialog asking for a size (tests type it themselves): the text, or none.
  using SizeAsker = std::function<std::optional<QString>(const QString& proposed)>;
  void SetSizeAsker(SizeAsker asker) { askSize_ = std::move(asker); }
  bool SaveData(const QString& path);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString AskPath(bool data);
  void SavePlotAtTypedSize();
  void Show();
  std::optional<std::pair<size_t, QPointF>> NearestPoint(QPointF at) const;

  QChartView* view_ = nullptr;
  QLabel* pointer_ = nullptr;
  PlotAxesRow* axes_ = nullptr;
  AxisRanges ranges_;
  QMenu* menu_ = nullptr;
  CurvePlot plot_;
  CurvePlot shown_;
  int lineWidth_ = 1;
  std::string csv_;
  PathPicker pickPath_;
  SizeAsker askSize_;
};
