// Where a second window goes beside the main window: a table of screens and main windows (beside,
// below, above, and where nothing has room the place that covers least of it); how a grown frame
// is kept on the screen and off the main window; and the frame's margins before and after the
// window manager framed the window.

#include "app/common/window_placement.h"

#include <QTest>

#include "qt_test_registry.h"

class WindowPlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void placesTheFrameBesideWithinTheScreen_data() {
    QTest::addColumn<QRect>("mainFrame");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("expected");
    QTest::addColumn<int>("row");  // BesideRow
    const int level = static_cast<int>(BesideRow::kLevel);
    const int bottom = static_cast<int>(BesideRow::kBottom);
    const QRect wide(0, 0, 1366, 740);
    QTest::newRow("room on the right")
        << QRect(10, 20, 720, 560) << QSize(395, 360) << wide << QPoint(738, 20) << level;
    QTest::newRow("room only on the left")
        << QRect(600, 20, 720, 560) << QSize(395, 360) << wide << QPoint(197, 20) << level;
    QTest::newRow("low main window: the frame rises to fit")
        << QRect(10, 500, 720, 230) << QSize(395, 360) << wide << QPoint(738, 380) << level;
    // 1366x768 at scale 1.5: 910x512 logical pixels, no room on either side.
    QTest::newRow("no room: over the side with more room")
        << QRect(0, 0, 715, 560) << QSize(395, 360) << QRect(0, 0, 910, 512) << QPoint(515, 0)
        << level;
    QTest::newRow("no room, main on the right: over its left edge")
        << QRect(195, 0, 715, 560) << QSize(395, 360) << QRect(0, 0, 910, 512) << QPoint(0, 0)
        << level;
    QTest::newRow("a panel above: the top stays below it")
        << QRect(0, 0, 700, 500) << QSize(395, 360) << QRect(0, 30, 1366, 738) << QPoint(708, 30)
        << level;
    QTest::newRow("larger than the screen: its top-left corner shows")
        << QRect(0, 0, 700, 500) << QSize(2000, 900) << wide << QPoint(0, 0) << level;
    QTest::newRow("at the bottom of the screen beside")
        << QRect(0, 0, 715, 545) << QSize(395, 360) << QRect(0, 0, 1366, 768) << QPoint(723, 408)
        << bottom;
    QTest::newRow("no room on either side: below")
        << QRect(0, 0, 715, 400) << QSize(600, 400) << QRect(0, 0, 1000, 1000) << QPoint(0, 408)
        << level;
    QTest::newRow("no room beside or below: above")
        << QRect(100, 500, 715, 400) << QSize(600, 400) << QRect(0, 0, 1000, 1000)
        << QPoint(100, 92) << level;
    // «Сравнить законы» at 1600x1000: against the bottom, over the main window's last 85 rows
    // rather than its right half.
    QTest::newRow("no room at all: where it covers least")
        << QRect(0, 0, 715, 545) << QSize(1221, 540) << QRect(0, 0, 1600, 1000) << QPoint(0, 460)
        << level;
  }
  void placesTheFrameBesideWithinTheScreen() {
    QFETCH(QRect, mainFrame);
    QFETCH(QSize, frame);
    QFETCH(QRect, available);
    QFETCH(QPoint, expected);
    QFETCH(int, row);
    const QPoint at = FramePositionBeside(mainFrame, frame, available, static_cast<BesideRow>(row));
    QCOMPARE(at, expected);
    if (frame.width() <= available.width() && frame.height() <= available.height()) {
      QVERIFY(available.contains(QRect(at, frame)));
    }
  }

  void keepsAGrownFrameOnTheScreen_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("within: stays") << QRect(100, 50, 640, 300) << QPoint(100, 50);
    QTest::newRow("over the right edge: moves left") << QRect(900, 50, 640, 300) << QPoint(726, 50);
    QTest::newRow("over the bottom: moves up") << QRect(100, 600, 640, 300) << QPoint(100, 468);
    QTest::newRow("left of and above the area: moves in")
        << QRect(-20, 10, 640, 300) << QPoint(0, 30);
    QTest::newRow("larger than the area: its top-left corner shows")
        << QRect(300, 300, 2000, 900) << QPoint(0, 30);
  }
  void keepsAGrownFrameOnTheScreen() {
    QFETCH(QRect, frame);
    QFETCH(QPoint, expected);
    QCOMPARE(FrameKeptWithin(frame, QRect(0, 30, 1366, 738)), expected);
  }

  // The map's window grown by its sources: kept on the screen, and grown to the left where
  // growing to the right covers the main window.
  void growsClearOfTheMainWindow_data() {
    QTest::addColumn<QRect>("frame");  // after growing by 223 on the right
    QTest::addColumn<QRect>("mainFrame");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("right of the main window: stays")
        << QRect(723, 0, 618, 360) << QRect(0, 0, 715, 545) << QPoint(723, 0);
    QTest::newRow("over the screen's right edge: moves left")
        << QRect(900, 0, 618, 360) << QRect(0, 0, 715, 545) << QPoint(748, 0);
    QTest::newRow("left of the main window: grows leftwards")
        << QRect(300, 0, 618, 360) << QRect(700, 0, 600, 545) << QPoint(77, 0);
    QTest::newRow("no room on the left either: stays")
        << QRect(100, 0, 618, 360) << QRect(500, 0, 600, 545) << QPoint(100, 0);
  }
  void growsClearOfTheMainWindow() {
    QFETCH(QRect, frame);
    QFETCH(QRect, mainFrame);
    QFETCH(QPoint, expected);
    QCOMPARE(GrownFramePosition(frame, 223, mainFrame, QRect(0, 0, 1366, 768)), expected);
  }

  void takesTheFrameMarginsOnceFramed() {
    const QMargins estimate(1, 22, 1, 1);
    const QRect client(100, 100, 393, 337);
    QCOMPARE(FrameMarginsOr(client, client, estimate), estimate);
    QCOMPARE(FrameMarginsOr(QRect(96, 70, 401, 371), client, estimate), QMargins(4, 30, 4, 4));
  }
};

GAUSS_QTEST_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
