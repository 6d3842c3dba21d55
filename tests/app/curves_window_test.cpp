// «Фазовая кривая» follows the pass: Lambert's phase integral for the matte sphere, magnitudes
// at a toggle, the data saved as CSV and a failed save reported with nothing written.

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/curves/phase_curve_window.h"
#include "app/curves/plot_view.h"
#include "form_probe.h"
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
};

QTEST_MAIN(CurvesWindowTest)
#include "curves_window_test.moc"
