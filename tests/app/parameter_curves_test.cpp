// Several values of one law parameter on one phase-curve plot: the values read or refused, each
// curve labelled and computed at its own value (Minnaert's k = 1 is Lambert's sphere), a refused
// text keeping the curves drawn, and a law without listed parameters disabling the row.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <cmath>
#include <numbers>
#include <variant>

#include "app/curves/parameter_values.h"
#include "app/curves/parameter_values_row.h"
#include "app/curves/phase_curve_window.h"
#include "app/curves/plot_view.h"
#include "form_probe.h"
#include "photometry/law_catalogue.h"
#include "qt_test_registry.h"

class ParameterCurvesTest : public QObject {
  Q_OBJECT

 private slots:
  void valuesReadOrAreRefused() {
    const LawParameterSpec& k = FindLaw(kMinnaert)->parameters[kMinnaertK];
    const struct {
      const char* text;
      std::vector<double> values;
      bool refused;
    } cases[] = {
        {"0.5; 1; 1.5", {0.5, 1.0, 1.5}, false},
        {" 0.5 1\t1.5 ", {0.5, 1.0, 1.5}, false},
        {"0;;2", {0.0, 2.0}, false},  // both ends of the range
        {"", {}, false},
        {"0.1 0.2 0.3 0.4 0.5 0.6", {0.1, 0.2, 0.3, 0.4, 0.5, 0.6}, false},
        {"0.1 0.2 0.3 0.4 0.5 0.6 0.7", {}, true},  // more than six
        {"0.5; 2.5", {}, true},                     // above the range
        {"-0.1", {}, true},                         // below the range
        {"0.5; k", {}, true},
        {"nan", {}, true},
        {"0,5", {}, true},  // the C locale's point only
    };
    for (const auto& one : cases) {
      const auto read = ReadParameterValues(QString::fromUtf8(one.text), k);
      QVERIFY2(std::holds_alternative<QString>(read) == one.refused, one.text);
      if (!one.refused) QCOMPARE(std::get<std::vector<double>>(read), one.values);
    }
    QCOMPARE(ParameterLabel(k, 0.5), QStringLiteral("k = 0.5"));
  }

  void eachValueIsItsOwnLabelledCurve() {
    std::unique_ptr<Form1> form = OpenForm();
    form->ChooseLaw(kMinnaert, StartLawSettings(kMinnaert));
    Press(*form);
    WindowsOf(*form).PhaseCurveAction()->trigger();
    PhaseCurveWindow* window = WindowsOf(*form).PhaseCurve();
    QVERIFY(window != nullptr && QTest::qWaitForWindowExposed(window));
    QTRY_VERIFY(window->Curve().has_value());
    ParameterValuesRow& row = window->ValuesRow();
    QVERIFY(row.isEnabled());
    row.ValuesBox().setText(QStringLiteral("0.5; 1; 1.5"));
    QVERIFY(row.Apply());
    QTRY_COMPARE(window->ValueCurves().size(), size_t{3});
    const CurvePlot& plot = window->View().Plot();
    QCOMPARE(plot.series.size(), size_t{5});  // three values and the two closed forms
    QCOMPARE(plot.series[0].name, QStringLiteral("k = 0.5"));
    QCOMPARE(plot.series[2].name, QStringLiteral("k = 1.5"));
    QVERIFY(plot.series[0].colour != plot.series[1].colour);
    // k = 1 is Lambert's law: its curve is the closed form's; the others lie apart from it.
    const std::vector<PhaseCurve>& curves = window->ValueCurves();
    for (const size_t g : {30, 60, 90, 120}) {
      const double lambert = LambertSpherePhase(g * std::numbers::pi / 180.0);
      QVERIFY(std::abs(curves[1].brightness[g] - lambert) < 2e-3);
      QVERIFY(std::abs(curves[0].brightness[g] - curves[2].brightness[g]) > 1e-2);
    }
    QVERIFY(window->View().Csv().starts_with("g,k = 0.5,k = 1,k = 1.5\n"));

    // A value out of range: a message, the three curves kept.
    row.ValuesBox().setText(QStringLiteral("0.5; 3"));
    {
      MessageBoxWatch watch;
      QVERIFY(!row.Apply());
      QCOMPARE(watch.texts().size(), 1);
    }
    QCOMPARE(row.Values().size(), size_t{3});
    QCOMPARE(window->View().Plot().series.size(), size_t{5});

    // The matte function lists no parameters: the row is disabled, one curve drawn.
    Find<QRadioButton>(*form, "Option1")->click();
    Press(*form);
    QTRY_VERIFY(!row.isEnabled() && window->ValueCurves().empty() &&
                window->View().Plot().series.size() == 3);
    QVERIFY(!row.toolTip().isEmpty());
  }
};

GAUSS_QTEST_MAIN(ParameterCurvesTest)
#include "parameter_curves_test.moc"
