// The plot windows shaped for a projector: a plot saved at the size shown (following the
// window's size) or at a size typed, a bad size refused with nothing written; the plots' pens
// and fonts following «Толщина линий»; typed axis ranges read or refused (changing nothing), shown
// exactly, the magnitudes' axis reversed with them, and a logarithmic y refused for magnitudes.

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QImage>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>
#include <variant>

#include "app/curves/phase_curve_window.h"
#include "app/curves/plot_axes.h"
#include "app/curves/plot_axes_row.h"
#include "app/curves/plot_files.h"
#include "app/curves/plot_view.h"
#include "form_probe.h"
#include "qt_test_registry.h"

namespace {

PhaseCurveWindow& OpenPhaseCurve(Form1& form) {
  Press(form);
  WindowsOf(form).PhaseCurveAction()->trigger();
  PhaseCurveWindow* window = WindowsOf(form).PhaseCurve();
  if (window == nullptr || !QTest::qWaitForWindowExposed(window)) qFatal("no phase curve");
  if (!QTest::qWaitFor([window] { return window->Curve().has_value(); })) qFatal("no curve");
  return *window;
}

CurvePlot PlotOf(std::vector<QPointF> points, bool magnitudes = false) {
  CurvePlot plot;
  plot.series.push_back(CurveSeries{QStringLiteral("ф"), std::move(points), Qt::black});
  plot.yReversed = magnitudes;
  return plot;
}

QValueAxis& YAxis(PlotView& view) {
  return *qobject_cast<QValueAxis*>(view.ChartView().chart()->axes(Qt::Vertical).front());
}

}  // namespace

class PlotWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void aTypedSizeReadsOrIsRefused() {
    const struct {
      const char* text;
      QSize size;  // empty: refused
    } cases[] = {{"800×600", {800, 600}},
                 {" 1600 x 900 ", {1600, 900}},
                 {"640х480", {640, 480}},
                 {"200X8000", {200, 8000}},
                 {"199×600", {}},
                 {"800×8001", {}},
                 {"800×", {}},
                 {"-800×600", {}},
                 {"800×600×3", {}},
                 {"", {}},
                 {"1e3×600", {}}};
    for (const auto& one : cases) {
      const std::variant<QSize, QString> read = ReadPlotSize(QString::fromUtf8(one.text));
      if (one.size.isEmpty()) {
        QVERIFY2(std::holds_alternative<QString>(read), one.text);
      } else {
        QVERIFY2(std::holds_alternative<QSize>(read), one.text);
        QCOMPARE(std::get<QSize>(read), one.size);
      }
    }
  }

  void typedRangesReadOrAreRefused() {
    const CurvePlot brightness = PlotOf({{0, 1.0}, {90, 0.25}, {180, 0.0}});
    const CurvePlot magnitudes = PlotOf({{0, 0.0}, {90, 1.5}}, true);
    const CurvePlot residuals = PlotOf({{0, 0.1}, {90, -0.2}});
    const CurvePlot dark = PlotOf({{0, 0.0}});
    using Range = std::optional<std::pair<double, double>>;
    const struct {
      AxisTexts texts;
      const CurvePlot* plot;
      std::optional<AxisRanges> ranges;  // none: refused
    } cases[] = {
        {{}, &brightness, AxisRanges{}},
        {{"0", "90", "", ""}, &brightness, AxisRanges{Range({0, 90}), {}, false}},
        {{" -1.5", "2e1", "0.1", "1", true},
         &brightness,
         AxisRanges{Range({-1.5, 20}), Range({0.1, 1}), true}},
        {{"", "", "", "", true}, &brightness, AxisRanges{{}, {}, true}},
        {{"", "", "-1", "3"}, &magnitudes, AxisRanges{{}, Range({-1, 3}), false}},
        {{"0", "", "", ""}, &brightness, {}},          // one box of a pair
        {{"", "", "", "1"}, &brightness, {}},          // one box of a pair
        {{"a", "1", "", ""}, &brightness, {}},         // not a number
        {{"nan", "1", "", ""}, &brightness, {}},       // not a finite number
        {{"0", "inf", "", ""}, &brightness, {}},       // not a finite number
        {{"0,5", "1", "", ""}, &brightness, {}},       // the C locale's point only
        {{"5", "5", "", ""}, &brightness, {}},         // minimum = maximum
        {{"", "", "2", "1"}, &brightness, {}},         // minimum > maximum
        {{"", "", "0", "1", true}, &brightness, {}},   // log of 0
        {{"", "", "-1", "1", true}, &brightness, {}},  // log below 0
        {{"", "", "", "", true}, &magnitudes, {}},     // magnitudes are a logarithm already
        {{"", "", "", "", true}, &residuals, {}},      // values below 0
        {{"", "", "", "", true}, &dark, {}},           // nothing above 0
    };
    int row = 0;
    for (const auto& one : cases) {
      const std::variant<AxisRanges, QString> read = ReadAxisRanges(one.texts, *one.plot);
      const QByteArray name = QByteArray::number(row++);
      if (!one.ranges) {
        QVERIFY2(std::holds_alternative<QString>(read) && !std::get<QString>(read).isEmpty(), name);
      } else {
        QVERIFY2(std::holds_alternative<AxisRanges>(read), name);
        QVERIFY2(std::get<AxisRanges>(read) == *one.ranges, name);
      }
    }
  }

  void aTypedRangeIsShownKeptAndRefusedWithoutChange() {
    std::unique_ptr<Form1> form = OpenForm();
    PhaseCurveWindow& window = OpenPhaseCurve(*form);
    PlotView& view = window.View();
    const double autoMax = YAxis(view).max();
    QVERIFY(view.ApplyAxes({"10", "170", "0.05", "0.75"}));
    QCOMPARE(YAxis(view).min(), 0.05);
    QCOMPARE(YAxis(view).max(), 0.75);
    QVERIFY(!YAxis(view).isReverse());
    // Refusals: a message each, the plot and the ranges as they were, the boxes showing them.
    for (const AxisTexts& bad : {AxisTexts{"10", "170", "1", "0.5"}, AxisTexts{"x", "170", "", ""},
                                 AxisTexts{"10", "170", "0", "0.75", true}}) {
      MessageBoxWatch watch;
      QVERIFY(!view.ApplyAxes(bad));
      QCOMPARE(watch.texts().size(), 1);
      QCOMPARE(YAxis(view).max(), 0.75);
      QCOMPARE(view.AxesRow().Texts().yMin, QStringLiteral("0.05"));
      QCOMPARE(view.AxesRow().Texts().xMax, QStringLiteral("170"));
    }
    // The typed range outlives a new curve; the log axis takes the brightness.
    QVERIFY(view.ApplyAxes({"", "", "0.001", "1", true}));
    const auto* log =
        qobject_cast<QLogValueAxis*>(view.ChartView().chart()->axes(Qt::Vertical).front());
    QVERIFY(log != nullptr && log->min() == 0.001 && log->max() == 1.0);
    // Magnitudes: bright up, the log switch disabled with its reason; back to «Авто» the axis is
    // the one the plot had before any range was typed.
    window.MagnitudesBox().setChecked(true);
    QVERIFY(YAxis(view).isReverse());
    auto* logBox = view.findChild<QCheckBox*>(QStringLiteral("PlotLogY"));
    QVERIFY(!logBox->isEnabled() && !logBox->toolTip().isEmpty());
    QVERIFY(view.ApplyAxes({"", "", "-1", "6"}));
    QVERIFY(YAxis(view).isReverse());
    QCOMPARE(YAxis(view).min(), -1.0);
    window.MagnitudesBox().setChecked(false);
    QVERIFY(view.ApplyAxes({}));
    QVERIFY(logBox->isEnabled());
    QCOMPARE(YAxis(view).max(), autoMax);
  }

  void thePlotIsSavedAtItsShownOrTypedSize() {
    std::unique_ptr<Form1> form = OpenForm();
    PhaseCurveWindow& window = OpenPhaseCurve(*form);
    PlotView& view = window.View();
    QTemporaryDir folder;
    const QString shown = folder.filePath(QStringLiteral("shown.png"));
    window.resize(1100, 800);
    QTRY_VERIFY(view.ShownSize().width() > 900);
    // The chart fills the view as the window grows.
    QTRY_VERIFY(view.ChartView().chart()->size().width() >= view.ShownSize().width() - 2);
    QVERIFY(view.SavePlot(shown));
    QCOMPARE(QImage(shown).size(), view.ShownSize());

    const QString typed = folder.filePath(QStringLiteral("typed.png"));
    view.SetPathPicker([&typed](bool) { return typed; });
    view.SetSizeAsker([](const QString& proposed) -> std::optional<QString> {
      if (!proposed.contains(u'×')) qFatal("no size proposed");
      return QStringLiteral("1234×567");
    });
    view.Menu().findChild<QAction*>(QStringLiteral("SavePlotSized"))->trigger();
    QCOMPARE(QImage(typed).size(), QSize(1234, 567));

    const QString refused = folder.filePath(QStringLiteral("refused.png"));
    view.SetPathPicker([&refused](bool) { return refused; });
    view.SetSizeAsker(
        [](const QString&) -> std::optional<QString> { return QStringLiteral("12×5"); });
    {
      MessageBoxWatch watch;
      view.Menu().findChild<QAction*>(QStringLiteral("SavePlotSized"))->trigger();
      QCOMPARE(watch.texts().size(), 1);
    }
    QVERIFY(!QFile::exists(refused));
  }

  void linesAndTextsFollowTheLineWidth() {
    std::unique_ptr<Form1> form = OpenForm();
    PhaseCurveWindow& window = OpenPhaseCurve(*form);
    const auto shownPen = [&window] {
      const auto* series =
          qobject_cast<QLineSeries*>(window.View().ChartView().chart()->series().front());
      return series->pen().widthF();
    };
    const auto labelSize = [&window] {
      return window.View()
          .ChartView()
          .chart()
          ->axes(Qt::Horizontal)
          .front()
          ->labelsFont()
          .pixelSize();
    };
    QCOMPARE(shownPen(), 2.0);
    const int thinLabels = labelSize();
    OverlayChoice choice = form->Overlay();
    choice.lineWidth = 4;
    form->SetOverlayChoice(choice);
    QCOMPARE(shownPen(), 8.0);
    QCOMPARE(labelSize(), thinLabels * 2);
    // A curve computed later keeps the width.
    QTRY_VERIFY(window.Curve().has_value());
    QCOMPARE(window.View().Plot().lineWidth, 4.0);
  }
};

GAUSS_QTEST_MAIN(PlotWindowTest)
#include "plot_window_test.moc"
