// «Фазовая кривая» follows the pass: Lambert's phase integral for the matte sphere, magnitudes
// at a toggle on their useful range with the readout on the curve, the data saved as CSV and a
// failed save reported with nothing written; the equator's profile against the emission angle;
// the albedos following their box, and observed points read (a bad file changing nothing) and
// fitted.

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

#include "app/common/input_box_mark.h"
#include "app/common/locale_numbers.h"
#include "app/curves/compare_window.h"
#include "app/curves/observations_panel.h"
#include "app/curves/phase_curve_window.h"
#include "app/curves/plot_view.h"
#include "app/curves/profile_window.h"
#include "curves/profile.h"
#include "form_probe.h"
#include "model/image_buffer.h"
#include "pass/raster_pass.h"
#include "pass/readout.h"
#include "photometry/law_catalogue.h"
#include "qt_test_registry.h"

class CurvesWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void thePhaseCurveFollowsThePassAndSaves() {
    std::unique_ptr<Form1> form = OpenForm();
    Press(*form);
    WindowsOf(*form).PhaseCurveAction()->trigger();
    PhaseCurveWindow* window = WindowsOf(*form).PhaseCurve();
    QVERIFY(window != nullptr && QTest::qWaitForWindowExposed(window));
    QTRY_VERIFY(window->Curve().has_value());
    QVERIFY(std::abs(window->Curve()->phaseIntegral - 1.5) < 0.0075);
    PlotView& view = window->View();
    QCOMPARE(view.Plot().series.front().points.size(), size_t{181});
    Find<QCheckBox>(*window, "PhaseMagnitudes")->setChecked(true);
    QVERIFY(view.Plot().yReversed);
    QCOMPARE(view.Plot().series.front().points.front().y(), 0.0);  // -2.5 lg 1
    // The axis spans the curves to 150 degrees (Lambert's 4.6 there), not the 50 magnitudes
    // towards 180; the readout is the curve's at the pointer's g, not the pointer's height.
    QChart& chart = *view.ChartView().chart();
    const auto* magnitudes = qobject_cast<QValueAxis*>(chart.axes(Qt::Vertical).front());
    QVERIFY(magnitudes->max() >= 4.6 && magnitudes->max() <= 6.0);
    const QPointF bottom = chart.mapToPosition(QPointF(103.0, magnitudes->max() - 0.1));
    QTest::mouseMove(view.ChartView().viewport(), view.ChartView().mapFromScene(bottom));
    const QString shown = view.PointerText();
    const double value =
        UserLocale().toDouble(shown.section(QStringLiteral("= "), 2).section(u' ', 0, 0));
    bool onACurve = false;
    for (const CurveSeries& curve : view.Plot().series) {
      onACurve = onACurve || std::abs(curve.points[103].y() - value) < 1e-4;
    }
    QVERIFY2(onACurve && shown.startsWith(QStringLiteral("g = 103")), qPrintable(shown));

    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("phase.csv"));
    QVERIFY(view.SaveData(csv));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count('\n'), qsizetype{182});
    {
      MessageBoxWatch watch;
      QVERIFY(!view.SavePlot(folder.filePath(QStringLiteral("missing/phase.png"))));
      QCOMPARE(watch.texts().size(), 1);
    }
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("missing/phase.png"))));

    // A new law's pass is followed while the window is open.
    Retype(*Find<QLineEdit>(*form, "Text4_0"), QStringLiteral("30"));
    form->ChooseLaw(kLommelSeeliger, StartLawSettings(kLommelSeeliger));
    QTRY_VERIFY(std::abs(window->Curve()->phaseIntegral - 1.6366) < 0.01);
  }

  // «Оппозиция: 0–10°» draws the same curve to 10 degrees ten times finer, and back.
  void theOppositionSurgeIsDrawnUpClose() {
    std::unique_ptr<Form1> form = OpenForm();
    form->ChooseLaw(kHapkeRough, StartLawSettings(kHapkeRough));
    WindowsOf(*form).PhaseCurveAction()->trigger();
    PhaseCurveWindow* window = WindowsOf(*form).PhaseCurve();
    QVERIFY(window != nullptr && QTest::qWaitForWindowExposed(window));
    QTRY_VERIFY(window->Curve().has_value());
    const PhaseCurve whole = *window->Curve();
    window->OppositionBox().setChecked(true);
    QTRY_VERIFY(window->Curve()->degrees.size() == 101);
    const PhaseCurve& close = *window->Curve();
    QCOMPARE(close.degrees.back(), 10.0);
    QCOMPARE(window->View().Plot().xRange->second, 10.0);
    // g = 5 and 10 are on both grids: 5.0 is 50 steps of 0.1 away, so compare near.
    QVERIFY(std::abs(close.brightness[50] - whole.brightness[5]) < 1e-9);
    QCOMPARE(close.brightness.back(), whole.brightness[10]);
    QVERIFY(close.brightness[1] < 1.0 && close.brightness[1] > close.brightness[10]);
    window->OppositionBox().setChecked(false);
    QTRY_VERIFY(window->Curve()->degrees.size() == 181);
  }

  // A Shift drag on the sphere plots the readout at the line's pixels; the view does not turn,
  // the picture takes no click, and closing the plot takes the line away.
  void aShiftDragPlotsTheProfileAlongItsLine() {
    std::unique_ptr<Form1> form = OpenForm();
    Press(*form);
    PictureBox& picture = *Find<PictureBox>(*form, "Picture1");
    const RenderState before = form->State();
    QTest::mousePress(&picture, Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 120));
    QMouseEvent move(QEvent::MouseMove, QPointF(200, 170), picture.mapToGlobal(QPointF(200, 170)),
                     Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(&picture, &move);
    QTest::mouseRelease(&picture, Qt::LeftButton, Qt::ShiftModifier, QPoint(300, 220));
    QVERIFY(WindowsOf(*form).Profile() != nullptr && WindowsOf(*form).Profile()->isVisible());
    QVERIFY(form->State() == before);
    QVERIFY(picture.LineMark().has_value());
    const std::vector<std::pair<int, int>> pixels = LinePixels(100, 120, 300, 220);
    const CurvePlot& plot = WindowsOf(*form).Profile()->View().Plot();
    const std::vector<QPointF>& phi = plot.series.front().points;
    size_t k = 0;
    for (const auto& [x, y] : pixels) {
      const std::optional<Readout> readout = ReadoutAtPixel(*form->LastPassState(), 393, 337, x, y);
      if (!readout) continue;
      QVERIFY(k < phi.size());
      QCOMPARE(phi[k].y(), double{readout->reading.functionPhi});
      ++k;
    }
    QCOMPARE(k, phi.size());
    WindowsOf(*form).Profile()->close();
    QVERIFY(!picture.LineMark().has_value());
  }

  // Along the photometric equator the x is the emission angle, which the CSV's first column holds.
  void theEquatorProfileIsPlottedAgainstTheEmissionAngle() {
    std::unique_ptr<Form1> form = OpenForm();
    Retype(*Find<QLineEdit>(*form, "Text4_0"), QStringLiteral("40"));
    Press(*form);
    PictureBox& picture = *Find<PictureBox>(*form, "Picture1");
    QTest::mousePress(&picture, Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 120));
    QTest::mouseRelease(&picture, Qt::LeftButton, Qt::ShiftModifier, QPoint(300, 220));
    WindowsOf(*form).Profile()->EquatorButton().click();
    const PlotView& view = WindowsOf(*form).Profile()->View();
    QVERIFY(view.Plot().xTitle.startsWith(u'e'));
    const std::vector<QPointF>& phi = view.Plot().series.front().points;
    QVERIFY(phi.back().x() >= 89.9);  // the half sphere's edge, e = 90
    const QStringList rows = QString::fromStdString(view.Csv()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(rows.front(), QStringLiteral("e,x,y,phi,painted"));
    QCOMPARE(rows.size(), qsizetype(phi.size() + 1));
    // The matte sphere darkens to the limb as Minnaert's law with k = 1.
    const QString minnaert = WindowsOf(*form).Profile()->MinnaertText();
    QVERIFY2(minnaert.contains(QStringLiteral("k = ") + UserLocale().toString(1.0, 'f', 3)),
             qPrintable(minnaert));
    for (size_t k = 0; k < phi.size(); k += 97) {
      QCOMPARE(rows[qsizetype(k + 1)].section(u',', 0, 0).toDouble(), phi[k].x());
    }
  }

  // Each sphere of the row is the main pass's state with that law, painted exactly; a parameter
  // text that does not read marks its box and keeps the row.
  void comparedSpheresAreExactAndABadTextKeepsTheRow() {
    std::unique_ptr<Form1> form = OpenForm();
    Press(*form);
    WindowsOf(*form).CompareAction()->trigger();
    CompareWindow* window = WindowsOf(*form).Compare();
    QVERIFY(window != nullptr && QTest::qWaitForWindowExposed(window));
    window->SetSlot(1, kMinnaert, QStringLiteral("k=1.5"));
    QTRY_COMPARE(window->States().size(), size_t{3});
    QTRY_VERIFY(window->States()[1].law.parameters[kMinnaertK] == 1.5);
    const QImage row = window->Picture().Image();
    RenderState state = *form->LastPassState();
    state.reflectanceKind = kMinnaert;
    state.law = StartLawSettings(kMinnaert);
    state.law.parameters[kMinnaertK] = 1.5;
    ImageBuffer expected(393, 337);
    RunRasterPass(state, expected, false);
    int faults = 0;
    for (int y = 0; y < 337; ++y) {
      for (int x = 0; x < 393; ++x) {
        const Rgb want = expected.At(x, y);
        faults += row.pixel(393 + x, y) == qRgb(want.r, want.g, want.b) ? 0 : 1;
      }
    }
    QCOMPARE(faults, 0);
    window->SetSlot(2, kOrenNayar, QStringLiteral("sigma=500"));
    QVERIFY(!InputBoxMark(*Find<QLineEdit>(*window, "CompareParameters3")).isEmpty());
    QCOMPARE(window->Picture().Image(), row);
  }

  // A white Lambert sphere: p = 2/3 and A = 1; at albedo 0.5 both halve. A box above 1 is marked
  // and keeps the last value. A file with a bad line is one message and leaves the points shown.
  void theAlbedosAndObservedPointsAreShown() {
    std::unique_ptr<Form1> form = OpenForm();
    Press(*form);
    WindowsOf(*form).PhaseCurveAction()->trigger();
    PhaseCurveWindow* window = WindowsOf(*form).PhaseCurve();
    QVERIFY(window != nullptr && QTest::qWaitForWindowExposed(window));
    QTRY_VERIFY(window->Photometry().has_value());
    const QLabel& line = *Find<QLabel>(*window, "PhaseIntegral");
    const auto shows = [&line](const char* p, const char* a) {
      const QString text = line.text();
      return text.contains(UserLocale().toString(QString::fromLatin1(p).toDouble(), 'f', 4)) &&
             text.endsWith(UserLocale().toString(QString::fromLatin1(a).toDouble(), 'f', 4));
    };
    QVERIFY2(shows("0.6667", "1.0000"), qPrintable(line.text()));
    QLineEdit& albedo = window->AlbedoBox();
    albedo.clear();
    QTest::keyClicks(&albedo, UserLocale().toString(0.5));
    QVERIFY2(shows("0.3333", "0.5000"), qPrintable(line.text()));
    albedo.clear();
    QTest::keyClicks(&albedo, UserLocale().toString(1.5));
    QVERIFY(!InputBoxMark(albedo).isEmpty());
    QCOMPARE(window->Albedo(), 1.0);  // "1", the last text that read

    QTemporaryDir folder;
    const auto write = [&folder](const char* name, const char* text) {
      QFile file(folder.filePath(QString::fromLatin1(name)));
      file.open(QIODevice::WriteOnly);
      file.write(text);
      return file.fileName();
    };
    const QString good = write("good.csv", "g,magnitude\n1,7.0\n5,7.3\n10,7.5\n20,7.9\n30,8.3\n");
    const QString bad = write("bad.csv", "g,magnitude\n1,7.0\n500,7.3\n10,x\n");
    ObservationsPanel& panel = window->Observations();
    QVERIFY(panel.OpenFile(good));
    {
      MessageBoxWatch watch;
      QVERIFY(!panel.OpenFile(bad));
      QCOMPARE(watch.texts().size(), 1);
      QVERIFY(watch.texts().front().contains(QStringLiteral("3")) &&
              watch.texts().front().contains(QStringLiteral("4")));
    }
    QCOMPARE(panel.Points()->points.size(), size_t{5});
    QCOMPARE(panel.PointsView().Plot().series.back().points.size(), size_t{5});
    panel.NamesBox().setText(QStringLiteral("H, G"));
    QVERIFY(panel.Fit());
    QTRY_VERIFY(panel.LastFit().has_value());
    QCOMPARE(panel.LastFit()->values.size(), size_t{2});
    QVERIFY(std::abs(panel.LastFit()->values[0].value - 7.0) < 0.2);
    QCOMPARE(panel.ResidualView().Plot().series.back().points.size(), size_t{5});
  }
};

GAUSS_QTEST_MAIN(CurvesWindowTest)
#include "curves_window_test.moc"
