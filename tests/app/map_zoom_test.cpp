// The map's zoom: Ctrl+wheel steps that reach or pass the largest or the smallest zoom stop there
// exactly, and the gradient under the pointer stays under it through every step.

#include "app/map/map_zoom.h"

#include <QTest>
#include <cmath>

#include "qt_test_registry.h"

class MapZoomTest : public QObject {
  Q_OBJECT

 private slots:
  void zoomStopsAtItsLimits_data() {
    QTest::addColumn<QList<double>>("factors");
    QTest::addColumn<double>("zoom");
    QTest::newRow("exactly the largest") << QList<double>{64.0} << 64.0;
    QTest::newRow("beyond the largest") << QList<double>{1000.0} << 64.0;
    QTest::newRow("in part up to the largest") << QList<double>{32.0, 4.0} << 64.0;
    QTest::newRow("at the largest, further in") << QList<double>{64.0, 1.25} << 64.0;
    QTest::newRow("exactly the smallest") << QList<double>{0.125} << 0.125;
    QTest::newRow("beyond the smallest") << QList<double>{0.001} << 0.125;
    QTest::newRow("at the smallest, further out") << QList<double>{0.125, 0.8} << 0.125;
  }
  void zoomStopsAtItsLimits() {
    QFETCH(QList<double>, factors);
    QFETCH(double, zoom);
    const QSize logical(393, 337);
    const QPointF pointer(300.0, 90.0);
    for (const int ratio : {1, 2}) {
      MapZoom map;
      const PixelPoint at = DevicePointOf(pointer, ratio);
      const auto under = [&] {
        return GradientAtPixel(map.ViewFor(logical, ratio), logical.width() * ratio,
                               logical.height() * ratio, at.x, at.y);
      };
      const Gradient before = under();
      for (const double factor : factors) {
        map.ZoomAbout(pointer, logical, ratio, factor);
        const Gradient after = under();
        QVERIFY(std::abs(after.p - before.p) < 1e-9 && std::abs(after.q - before.q) < 1e-9);
      }
      QCOMPARE(map.Zoom(), zoom);
    }
  }
};

GAUSS_QTEST_MAIN(MapZoomTest)
#include "map_zoom_test.moc"
