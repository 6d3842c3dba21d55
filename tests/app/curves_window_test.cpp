// «Фазовая кривая» follows the pass: Lambert's phase integral for the matte sphere, magnitudes
// at a toggle, the data saved as CSV and a failed save reported with nothing written.

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include "app/curves/compare_window.h"
#include "app/curves/phase_curve_window.h"
#include "app/curves/plot_view.h"
#include "app/curves/profile_window.h"
#include "app/input_box_mark.h"
#include "curves/profile.h"
#include "form_probe.h"
#include "model/image_buffer.h"
#include "pass/raster_pass.h"
#include "pass/readout.h"
#include "photometry/law_catalogue.h"

class CurvesWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void thePhaseCurveFollowsThePassAndSaves() {
    std::unique_ptr<Form1> form = OpenForm();
    Press(*form);
    form->PhaseCurveAction()->trigger();
    PhaseCurveWindow* window = form->PhaseCurve();
    QVERIFY(window != nullptr && QTest::qWaitForWindowExposed(window));
    QTRY_VERIFY(window->Curve().has_value());
    QVERIFY(std::abs(window->Curve()->phaseIntegral - 1.5) < 0.0075);
    PlotView& view = window->View();
    QCOMPARE(view.Plot().series.front().points.size(), size_t{181});
    Find<QCheckBox>(*window, "PhaseMagnitudes")->setChecked(true);
    QVERIFY(view.Plot().yReversed);
    QCOMPARE(view.Plot().series.front().points.front().y(), 0.0);  // -2.5 lg 1

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
    QVERIFY(form->Profile() != nullptr && form->Profile()->isVisible());
    QVERIFY(form->State() == before);
    QVERIFY(picture.LineMark().has_value());
    const std::vector<std::pair<int, int>> pixels = LinePixels(100, 120, 300, 220);
    const CurvePlot& plot = form->Profile()->View().Plot();
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
    form->Profile()->close();
    QVERIFY(!picture.LineMark().has_value());
  }

  // Each sphere of the row is the main pass's state with that law, painted exactly; a parameter
  // text that does not read marks its box and keeps the row.
  void comparedSpheresAreExactAndABadTextKeepsTheRow() {
    std::unique_ptr<Form1> form = OpenForm();
    Press(*form);
    form->CompareAction()->trigger();
    CompareWindow* window = form->Compare();
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
};

QTEST_MAIN(CurvesWindowTest)
#include "curves_window_test.moc"
