// Where the map's window goes beside the main window: a table of screens and main windows; how a
// grown frame is kept on the screen; and the frame's margins before and after the window manager
// framed the window.

#include "app/window_placement.h"

#include <QTest>

class WindowPlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void placesTheFrameBesideWithinTheScreen_data() {
    QTest::addColumn<QRect>("mainFrame");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("expected");
    const QRect wide(0, 0, 1366, 740);
    QTest::newRow("room on the right")
        << QRect(10, 20, 720, 560) << QSize(395, 360) << wide << QPoint(738, 20);
    QTest::newRow("room only on the left")
        << QRect(600, 20, 720, 560) << QSize(395, 360) << wide << QPoint(197, 20);
    QTest::newRow("low main window: the frame rises to fit")
        << QRect(10, 500, 720, 230) << QSize(395, 360) << wide << QPoint(738, 380);
    // 1366x768 at scale 1.5: 910x512 logical pixels, no room on either side.
    QTest::newRow("no room: over the side with more room")
        << QRect(0, 0, 715, 560) << QSize(395, 360) << QRect(0, 0, 910, 512) << QPoint(515, 0);
    QTest::newRow("no room, main on the right: over its left edge")
        << QRect(195, 0, 715, 560) << QSize(395, 360) << QRect(0, 0, 910, 512) << QPoint(0, 0);
    QTest::newRow("a panel above: the top stays below it")
        << QRect(0, 0, 700, 500) << QSize(395, 360) << QRect(0, 30, 1366, 738) << QPoint(708, 30);
    QTest::newRow("larger than the screen: its top-left corner shows")
        << QRect(0, 0, 700, 500) << QSize(2000, 900) << wide << QPoint(0, 0);
  }
  void placesTheFrameBesideWithinTheScreen() {
    QFETCH(QRect, mainFrame);
    QFETCH(QSize, frame);
    QFETCH(QRect, available);
    QFETCH(QPoint, expected);
    const QPoint at = FramePositionBeside(mainFrame, frame, available);
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

  void takesTheFrameMarginsOnceFramed() {
    const QMargins estimate(1, 22, 1, 1);
    const QRect client(100, 100, 393, 337);
    QCOMPARE(FrameMarginsOr(client, client, estimate), estimate);
    QCOMPARE(FrameMarginsOr(QRect(96, 70, 401, 371), client, estimate), QMargins(4, 30, 4, 4));
  }
};

QTEST_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
