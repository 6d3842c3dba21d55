// «Расположить рядом»: for one to eight windows on screens of odd sizes and places (a panel
// above, a second screen left of the first, a small laptop), every frame within the available
// area, none over another, each at least its least size and at most its greatest, the main one
// at its own size; where they cannot fit, nothing. A place kept in a setup stays where it shows
// enough on some screen, and off every screen comes onto the main window's.

#include "app/common/window_arrangement.h"

#include <QTest>

#include "qt_test_registry.h"

class WindowArrangementTest : public QObject {
  Q_OBJECT

 private slots:
  void windowsTileWithoutOverlapWithinTheScreen_data() {
    QTest::addColumn<QRect>("available");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("fits");
    const struct {
      const char* name;
      QRect available;
      int fitsUpTo;  // more windows than this do not fit
    } screens[] = {
        // On the projector nothing has room beside or below the main window
        // (703 + 8 + 399 > 1024, 571 + 8 + 369 > 768); on the laptop and the odd screen the
        // second and third cannot share the 656 pixels right of it (369 + 8 + 412 > 705).
        {"1920x1080 panel above", QRect(0, 28, 1920, 1052), 7},
        {"projector 1024x768", QRect(0, 0, 1024, 768), 1},
        {"odd 1367x769 left of another", QRect(-1367, 11, 1367, 769), 2},
        {"4K at scale 1", QRect(3840, 0, 3840, 2160), 8},
        {"tall 1080x1919", QRect(0, 0, 1080, 1919), 6},
        {"laptop 1366x705", QRect(0, 0, 1366, 705), 2},
    };
    for (const auto& screen : screens) {
      for (int count = 1; count <= 8; ++count) {
        QTest::addRow("%s, %d", screen.name, count)
            << screen.available << count << (count <= screen.fitsUpTo);
      }
    }
  }

  void windowsTileWithoutOverlapWithinTheScreen() {
    QFETCH(QRect, available);
    QFETCH(int, count);
    QFETCH(bool, fits);
    const QMargins frame(3, 27, 3, 5);
    // The main window keeps its size; the others grow freely, one (the map) only to 900x900.
    std::vector<ArrangedWindow> windows{{QSize(697, 539), QSize(697, 539), frame}};
    const QSize most(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QSize least[] = {{393, 337}, {480, 380}, {311, 250}, {500, 420},
                           {300, 200}, {420, 300}, {350, 260}};
    for (int k = 1; k < count; ++k) {
      windows.push_back({least[k - 1], k == 1 ? QSize(900, 900) : most, frame});
    }
    const std::optional<std::vector<QRect>> placed = ArrangeSideBySide(windows, available);
    QCOMPARE(placed.has_value(), fits);
    if (!placed) return;
    QCOMPARE(placed->size(), windows.size());
    QCOMPARE(placed->front().size(), QSize(697, 539));
    for (size_t k = 0; k < placed->size(); ++k) {
      const QRect& client = (*placed)[k];
      const QRect outer = client.marginsAdded(frame);
      QVERIFY2(available.contains(outer), qPrintable(QStringLiteral("window %1").arg(k)));
      QVERIFY(client.width() >= windows[k].minimum.width());
      QVERIFY(client.height() >= windows[k].minimum.height());
      QVERIFY(client.width() <= windows[k].maximum.width());
      QVERIFY(client.height() <= windows[k].maximum.height());
      for (size_t other = 0; other < k; ++other) {
        QVERIFY2(!outer.intersects((*placed)[other].marginsAdded(frame)),
                 qPrintable(QStringLiteral("windows %1 and %2").arg(other).arg(k)));
      }
    }
    // With room to spare a window grows past its least size: what the arrangement is for.
    if (count == 2 && available.width() >= 1920) {
      QVERIFY((*placed)[1].width() > windows[1].minimum.width() * 3 / 2);
    }
  }

  void aKeptPlaceOffEveryScreenComesOntoTheMainOne() {
    const std::vector<QRect> screens{QRect(0, 0, 1920, 1050), QRect(1920, 0, 1280, 1024)};
    const QRect main = screens[0];
    const struct {
      QRect place;
      QRect expected;
    } cases[] = {
        {QRect(100, 100, 680, 540), QRect(100, 100, 680, 540)},      // on the first screen
        {QRect(2000, 500, 680, 540), QRect(2000, 500, 680, 540)},    // on the second
        {QRect(1800, 900, 680, 540), QRect(1800, 900, 680, 540)},    // across both, seen enough
        {QRect(-600, 100, 680, 540), QRect(-600, 100, 680, 540)},    // 80 pixels still seen
        {QRect(-601, 100, 680, 540), QRect(0, 100, 680, 540)},       // 79: brought back
        {QRect(5000, 3000, 680, 540), QRect(1240, 510, 680, 540)},   // a screen since removed
        {QRect(100, 1000, 680, 540), QRect(100, 510, 680, 540)},     // only its top edge seen
        {QRect(-9000, -9000, 4000, 3000), QRect(0, 0, 1920, 1050)},  // larger than the screen
    };
    for (const auto& one : cases) {
      QCOMPARE(KeptPlaceOnScreens(one.place, screens, main), one.expected);
    }
  }
};

GAUSS_QTEST_MAIN(WindowArrangementTest)
#include "window_arrangement_test.moc"
