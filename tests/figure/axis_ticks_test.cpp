// The map figure's ticks: the step for a scale, the ticks in a range and their text in the
// user's format.

#include "figure/axis_ticks.h"

#include <QTest>

#include "qt_test_registry.h"

class AxisTicksTest : public QObject {
  Q_OBJECT

 private slots:
  void tickStepKeepsTheNumbersApart_data() {
    QTest::addColumn<double>("pixelsPerUnit");
    QTest::addColumn<double>("step");
    QTest::newRow("default: every unit") << 50.0 << 1.0;
    QTest::newRow("enlarged twice: still every unit") << 100.0 << 0.5;
    QTest::newRow("small window") << 30.0 << 2.0;
    QTest::newRow("zoomed far out") << 4.0 << 20.0;
    QTest::newRow("zoomed far in") << 1000.0 << 0.05;
  }
  void tickStepKeepsTheNumbersApart() {
    QFETCH(double, pixelsPerUnit);
    QFETCH(double, step);
    QCOMPARE(TickStep(pixelsPerUnit, 44.0), step);
  }

  void ticksAndTheirText_data() {
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("step");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("units") << -3.93 << 3.93 << 1.0 << "C"
                           << QStringList{"−3", "−2", "−1", "0", "1", "2", "3"};
    QTest::newRow("tenths, Russian")
        << 0.25 << 0.62 << 0.1 << "ru_RU" << QStringList{"0,3", "0,4", "0,5", "0,6"};
    QTest::newRow("halves, across zero")
        << -1.2 << 0.6 << 0.5 << "C" << QStringList{"−1.0", "−0.5", "0.0", "0.5"};
  }
  void ticksAndTheirText() {
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(double, step);
    QFETCH(QString, locale);
    QFETCH(QStringList, texts);
    QStringList written;
    for (double value : TickValues(low, high, step)) {
      written << TickText(value, step, QLocale(locale));
    }
    QCOMPARE(written, texts);
  }
};

GAUSS_QTEST_MAIN(AxisTicksTest)
#include "axis_ticks_test.moc"
