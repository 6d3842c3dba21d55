// The map figure's arithmetic: the tick step for a scale, the ticks in a range and their text in
// the user's format, and the zoom's view (the default view is the core's, bit for bit).

#include <QTest>

#include "app/map/axis_ticks.h"
#include "app/map/map_zoom.h"

class MapPartsTest : public QObject {
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

  void zoomView() {
    MapZoom zoom;
    const GradientView core = ScaledGradientView(1);
    const GradientView view = zoom.ViewFor(QSize(393, 337), 1);
    // Bit for bit the core's default: the same samples, the same map.
    QCOMPARE(view.pixelsPerUnit, core.pixelsPerUnit);
    QVERIFY(!std::signbit(view.originX) && view.originX == 0.0 && view.originY == 0.0);
    QCOMPARE(zoom.ViewFor(QSize(393, 337), 2).pixelsPerUnit, 100.0);
    QCOMPARE(zoom.ViewFor(QSize(786, 400), 1).pixelsPerUnit, 50.0 * 400 / 337);

    const QSize size(500, 420);
    const QPointF pointer(123.0, 77.0);
    const PixelPoint at = DevicePointOf(pointer, 1);
    const Gradient before = GradientAtPixel(zoom.ViewFor(size, 1), 500, 420, at.x, at.y);
    zoom.ZoomAbout(pointer, size, 1, 2.0);
    zoom.ZoomAbout(pointer, size, 1, 1.5);
    const Gradient after = GradientAtPixel(zoom.ViewFor(size, 1), 500, 420, at.x, at.y);
    QVERIFY(std::abs(after.p - before.p) < 1e-12 && std::abs(after.q - before.q) < 1e-12);
    QCOMPARE(zoom.Zoom(), 3.0);
    zoom.Reset();
    QVERIFY(zoom.IsDefault());

    const PixelPoint device{245.0, 17.5};
    const PixelPoint back = DevicePointOf(LogicalPointOf(device, 2), 2);
    QCOMPARE(back.x, device.x);
    QCOMPARE(back.y, device.y);
  }
};

QTEST_MAIN(MapPartsTest)
#include "map_parts_test.moc"
